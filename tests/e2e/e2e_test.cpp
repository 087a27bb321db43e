// End to end: the real window captures what the simulated test set plays on a pseudo-terminal.
// What the disk must hold is worked out from the bytes the set plays (its --dump) by the
// capture's rules, written here apart from the program's code; stamps are taken from the disk.

// Needs POSIX pseudo-terminals (the simulated test set).
#ifndef _WIN32

#include "output/document_picture_filer.h"
#include "output/picture_document.h"
#include "output/stamps.h"
#include "platform/cp1252.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_picture_surface.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_settings_store.h"
#include "serial/link.h"
#include "serial/record_start.h"
#include "support/fakes.h"
#include "support/output_fakes.h"
#include "support/pty_testset.h"
#include "support/qt_application.h"
#include "support/scoped_env.h"
#include "ui/logic/target_selection.h"
#include "ui/main_window.h"
#include "workspace/data_paths.h"
#include "workspace/disk_file_system.h"
#include "workspace/index_file.h"
#include "workspace/report_commands.h"

#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include <QProcess>
#include <QPushButton>
#include <QSettings>

#include <map>
#include <regex>
#include <set>

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::PtyTestset;
using testing::ReadFile;

constexpr int HangGuardMs = 60000; // only against hangs: all comes within seconds
// The child run of this program (crash test, tools/measure-cpu): folder, "tarn" or "vesk", COM.
constexpr char ChildFolderVariable[] = "ORVANE_E2E_CHILD_FOLDER";
constexpr char ChildTargetVariable[] = "ORVANE_E2E_CHILD_TARGET";
constexpr char ChildComVariable[] = "ORVANE_E2E_CHILD_COM";

bool PlaceSettings(const fs::path& config) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(config.string()));
    return testing::EnsureQtApplication();
}

void ClickOk(QWidget* dialog) {
    dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
}

// The main window over `folder`/PLX (data root) and `folder`/config (settings, COM links)
// with the real port, disk, clock, surfaces and clipboard, wired as the program wires it.
struct LiveSession {
    explicit LiveSession(const fs::path& at)
        : folder(at), configHome("XDG_CONFIG_HOME", (at / "config").c_str()),
          dataRoot("KAVREL_DATA_ROOT", (at / "PLX").c_str()), placed(PlaceSettings(at / "config")),
          window(std::make_unique<MainWindow>(WindowContext{
              ws, win, services, settings, port, clipboard, imgScreen, imgTemp, launcher, filer})) {
        MainWindow* shown = window.get();
        QObject::connect(&port, &QtSerialPort::readyRead, shown, &MainWindow::OnPortReadyRead);
        QObject::connect(&port, &QtSerialPort::breakReceived, shown, &MainWindow::OnBreakReceived);
        QObject::connect(&port, &QtSerialPort::linkLost, shown,
                         [shown](const QString& why) { shown->OnLinkLost(ToCp1252(why)); });
    }
    ~LiveSession() { window.reset(); } // the window may reach the devices while it closes

    // Shows the window and picks target `type` in the target dialog.
    void Start(std::int32_t type) {
        window->Form_Load();
        window->show();
        window->Menus().mnuTarget->trigger();
        window->Form4()->Option(TargetOption(type).value_or(0))->setChecked(true);
        ClickOk(window->Form4());
    }
    // OK of the serial settings dialog with "COM <com>"; true when the link is up.
    bool Connect(int com) {
        window->Menus().mnuConnect->trigger();
        window->Form3()->cboPort()->setCurrentIndex(com - 1);
        window->Form3()->CboSpeed()->setCurrentText(QStringLiteral("38400"));
        ClickOk(window->Form3());
        return ws.Connected;
    }
    void Disconnect() { window->Menus().mnuDisconnect->trigger(); }
    fs::path DataPath(const std::string& relative) const { return folder / "PLX" / relative; }

    const fs::path folder;
    testing::ScopedEnv configHome, dataRoot;
    const bool placed;
    DiskFileSystem files;
    SystemClock clock;
    testing::FakeDialogs dialogs;
    Services services{files, clock, dialogs, DefaultDataRoot()};
    QtSettingsStore settings;
    QtSerialPort port;
    QtClipboard clipboard;
    QtPictureSurface imgScreen, imgTemp;
    testing::RecordingLauncher launcher;
    DocumentPictureFiler filer{files, services.dataRoot};
    Workspace ws;
    WindowState win;
    std::unique_ptr<MainWindow> window;
};

// The set publishing COM<com> for the session in `folder`; `packets` cuts its writes as a USB
// adapter does (one seed, so a failure replays with the same cuts).
PtyTestset StartSet(const fs::path& folder, int com, bool packets,
                    std::vector<std::string> options) {
    options.insert(options.end(), {"--com", std::to_string(com), "--ports-dir",
                                   (folder / "config" / "Kavrel" / "ports").string(), "--baud",
                                   "38400", "--settle", "0.3"});
    if (packets)
        options.insert(options.end(), {"--packets", "11"});
    return PtyTestset(options);
}

unsigned char At(std::string_view bytes, std::size_t i) {
    return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
}

// What the set plays for `target`, in parts: Tarn/TarnX transmissions each start with the
// printer set-up ESC R 01 ESC 2 (R in either case), Vesk/VeskM records with ESC SP 09 (text),
// 0F or 04 (pictures).
std::vector<std::string> Programme(std::int32_t target) {
    const bool tarn = target == TargetTarn;
    const std::string bytes = PtyTestset::Dump({tarn ? "--tarn" : "--vesk"});
    const std::regex start(tarn ? "\x1b[Rr]\x01\x1b[2]" : "\x1b [\x09\x0f\x04]");
    std::vector<std::string> parts;
    for (std::sregex_iterator it(bytes.begin(), bytes.end(), start), end; it != end; ++it) {
        if (!parts.empty())
            parts.back().resize(parts.back().size() - (bytes.size() - it->position()));
        parts.push_back(bytes.substr(it->position()));
    }
    return parts;
}

// A Tarn record keeps a transmission without its set-ups (and an SI after one), LF dropped,
// CR made CR LF.
std::string PushedText(const std::string& bytes) {
    const std::regex dropped("\x1b[Rr]\x01\x1b[2]\x0f?|\n");
    return std::regex_replace(std::regex_replace(bytes, dropped, ""), std::regex("\r"), "\r\n");
}

// A Vesk text record keeps space to "z" of the bytes after ESC SP 09, LF made CR LF.
std::string PrinterText(std::string_view bytes) {
    std::string text;
    for (const char c : bytes.substr(3))
        text += c == '\n' ? "\r\n" : (c >= ' ' && c <= 'z' ? std::string(1, c) : "");
    return text;
}

struct Dot {
    int x, y;
    bool black;
};
// The dots of the ESC K blocks of a picture record as a dot-matrix printer lays them: most
// significant bit on top; a line feed goes down one band of 8 dots after a row ending in an
// escape sequence, two after printed text.
std::vector<Dot> BitImageDots(std::string_view record) {
    std::vector<Dot> dots;
    int band = 0, column = 0;
    bool escapeLast = false;
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (record[i] == 0x1B) {
            escapeLast = true;
            if (At(record, i + 1) == 'K') {
                const std::size_t columns = At(record, i + 2) + 256u * At(record, i + 3);
                for (std::size_t k = 0; k < columns; ++k)
                    for (int dot = 0; dot < 8; ++dot)
                        dots.push_back({column + static_cast<int>(k), 8 * band + dot,
                                        (At(record, i + 4 + k) & (0x80u >> dot)) != 0});
                column += static_cast<int>(columns);
                i += 3 + columns;
            } else {
                i += At(record, i + 1) == ' ' ? 2 : 1;
            }
        }
        // A plain byte, or the last byte of an escape sequence, which counts as one too.
        if (At(record, i) == '\n') {
            band += escapeLast ? 1 : 2;
            column = 0;
        } else if (At(record, i) >= ' ' && At(record, i) <= 'z') {
            escapeLast = false;
        }
    }
    return dots;
}

QImage DocumentPicture(const std::string& document) {
    const std::optional<EncodedImage> picture = ReadPictureDocument(document);
    return picture ? QImage::fromData(QByteArray::fromStdString(picture->png), "PNG") : QImage();
}

bool IsBlack(const QImage& picture, int x, int y) {
    return qGray(picture.pixel(x, y)) < 128;
}

// The picture holds each dot as it should; when `alone`, nothing else is black (nothing left of
// an earlier picture).
void ExpectDots(const QImage& picture, const std::vector<Dot>& dots, bool alone, int record) {
    std::set<std::pair<int, int>> black, wrong;
    for (const Dot& dot : dots) {
        if (dot.black)
            black.insert({dot.x, dot.y});
        if (!picture.valid(dot.x, dot.y) || IsBlack(picture, dot.x, dot.y) != dot.black)
            wrong.insert({dot.x, dot.y});
    }
    for (int y = 0; alone && y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (IsBlack(picture, x, y) && !black.contains({x, y}))
                wrong.insert({x, y});
    EXPECT_GT(black.size(), 100U) << "record " << record;
    EXPECT_EQ(wrong.size(), 0U) << "record " << record;
}

struct IndexedRecord {
    int kind; // 1 RECORD, 2 GRAPH
    std::string name;
};

std::vector<IndexedRecord> ListedRecords(const std::string& index) {
    // " <kind> <path ending in the 21-character file name>" after a line end.
    static const std::regex line(R"(\r\n ([12]) [^\r\n]*(.{17})\.(txt|doc)(?=\r\n))");
    std::vector<IndexedRecord> records;
    for (std::sregex_iterator it(index.begin(), index.end(), line), end; it != end; ++it)
        records.push_back({std::stoi((*it)[1]), (*it)[2]});
    return records;
}

// A report's block in the index: empty header fields and `records` in `folder`.
std::string ReportBlock(std::string_view name, const std::vector<IndexedRecord>& records,
                        const fs::path& folder) {
    std::string block = "-\r\n" + std::string(name) + "\r\n\r\n\r\n\r\n\r\n";
    for (const IndexedRecord& r : records)
        block += " " + std::to_string(r.kind) + " " +
                 (folder / (r.name + (r.kind == 1 ? ".txt" : ".doc"))).string() + "\r\n" +
                 (r.kind == 1 ? "   RECORD:  " : "   GRAPH:    ") + r.name + "\r\n";
    return block + "#\r\n";
}

bool IsStamp(const std::string& text) {
    return std::regex_match(text, std::regex("[0-9]{8}-[0-9]{6}[0-9A-Za-z]{2}"));
}

std::set<std::string> FilesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// What the capture filed under `target` from the played `records`, in one report, as the next
// start of the program reads it back, without complaint.
void ExpectFiled(const fs::path& at, std::int32_t target, const std::vector<std::string>& records) {
    LiveSession restart(at);
    ASSERT_TRUE(ApplyTarget(restart.ws, restart.win, restart.services, target));
    Loading_Workspace(restart.ws, restart.win, restart.services);
    EXPECT_TRUE(restart.dialogs.messages.empty())
        << ::testing::PrintToString(restart.dialogs.messages);
    const Workspace& ws = restart.ws;
    const std::string folder = target == TargetTarn ? "TARN" : "VESK";
    const std::string index = ReadFile(restart.DataPath(folder + "/" + folder + ".ini"));
    const std::vector<IndexedRecord> listed = ListedRecords(index);
    EXPECT_EQ(index, ReportBlock(ws.ReportName[1], listed, restart.DataPath(folder)));
    ASSERT_EQ(listed.size(), records.size()) << index;
    ASSERT_EQ(ws.RecordCount[1], static_cast<std::int16_t>(listed.size()));
    std::set<std::string> files{folder + ".ini"};
    std::string lastPicture;
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const std::string& played = records[i];
        const int n = static_cast<int>(i) + 1;
        const bool text = target == TargetTarn || played[2] == '\x09';
        EXPECT_EQ(listed[i].kind, text ? 1 : 2) << "record " << n;
        EXPECT_EQ(ws.RecordType[1][n], text ? KindRecord : KindGraph) << "record " << n;
        EXPECT_EQ(ws.RecordLabel[1][n], (text ? "   RECORD:  " : "   GRAPH:    ") + listed[i].name);
        EXPECT_TRUE(IsStamp(listed[i].name)) << listed[i].name;
        const std::string file = listed[i].name + (text ? ".txt" : ".doc");
        files.insert(file);
        const std::string bytes = ReadFile(restart.DataPath(folder + "/" + file));
        if (text) {
            EXPECT_EQ(ws.RecordText[1][n] + "\r\n", bytes) << "record " << n;
        }
        if (target == TargetTarn) {
            // The header line carries the stamp, after its 10 characters "   RECORD:".
            const std::string stamp = bytes.size() >= 27 ? bytes.substr(10, 17) : "";
            EXPECT_TRUE(IsStamp(stamp)) << bytes;
            EXPECT_EQ(bytes, "   RECORD:" + stamp + "\r\n" + PushedText(played) + "\r\n")
                << "record " << n;
        } else if (text) {
            EXPECT_EQ(bytes, PrinterText(played) + "\r\n") << "record " << n;
        } else {
            // The same printed bytes give the same picture, however they were delivered.
            static std::map<std::string, QImage> seen;
            const QImage picture = DocumentPicture(bytes);
            ExpectDots(picture, BitImageDots(played), played[2] == '\x04', n);
            EXPECT_EQ(picture, seen.try_emplace(played, picture).first->second);
            lastPicture = bytes;
        }
    }
    EXPECT_EQ(FilesIn(restart.DataPath(folder)), files);
    // The scratch document is the picture filed last.
    if (!lastPicture.empty()) {
        EXPECT_EQ(ReadFile(restart.DataPath("temp.doc")), lastPicture);
    }
}

// A session: target, whether the set goes in a transmission (a pulled cable), whether its
// writes come cut into the packets of a USB adapter.
using SessionCase = std::tuple<std::int32_t, bool, bool>;
class SessionTest : public ::testing::TestWithParam<SessionCase> {};

// Whatever the cuts (a set-up sequence split over two reads among them), the records are
// filed byte for byte; when the set goes, the window tells the user once and loses nothing.
TEST_P(SessionTest, FilesEachRecordAsPlayedAndKeepsItWhenTheSetGoes) {
    if (PtyTestset::ProgramPath().empty())
        GTEST_SKIP() << "KAVREL_TESTSET is not set";
    const auto [target, cut, packets] = GetParam();
    testing::TempDir dir;
    std::vector<std::string> records = Programme(target);
    ASSERT_EQ(records.size(), 3U);
    // Silences of 3 s end a Tarn transmission; with short ones the three screens make one.
    std::vector<std::string> options{"--tarn", "--gap", cut ? "0.3" : "4"};
    if (target == TargetTarn && cut) {
        records = {records[0] + records[1] + records[2]};
    } else if (target == TargetVesk) {
        // The printer stream needs no pauses; a cut ends the graph about half way, without
        // its end (ESC R).
        if (cut)
            records = {records[1].substr(0, records[1].size() / 2)};
        std::string played;
        for (const std::string& record : records)
            played += record;
        testing::WriteFile(dir.path() / "played.prn", played);
        options = {"--file", (dir.path() / "played.prn").string(), "--gap", "0.5"};
    }
    {
        LiveSession session(dir.path());
        session.Start(target);
        PtyTestset set = StartSet(dir.path(), 2, packets, options);
        ASSERT_TRUE(set.Started()) << set.Failure();
        ASSERT_TRUE(session.Connect(2)) << ::testing::PrintToString(session.dialogs.messages);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !session.ws.Connected; }, HangGuardMs));
        EXPECT_EQ(set.WaitForExit(10s), 0); // it had played everything
        QTest::qWait(300); // room for a second message, should the loss be told twice
        EXPECT_EQ(session.window->StatusPanel(0)->text(), QStringLiteral("Disconnected"));
        EXPECT_EQ(session.window->StatusPanel(1)->text(), QStringLiteral("Serial Port : "));
        ASSERT_EQ(session.dialogs.messages.size(), 1U)
            << ::testing::PrintToString(session.dialogs.messages);
        EXPECT_TRUE(session.dialogs.messages[0].starts_with(LinkLostMessage));
    }
    ExpectFiled(dir.path(), target, records);
}

INSTANTIATE_TEST_SUITE_P(Plays, SessionTest,
                         ::testing::Combine(::testing::Values(TargetTarn, TargetVesk),
                                            ::testing::Bool(), ::testing::Bool()));

// A transmission with no room left (50 reports, the last one full) is shown, never filed.
TEST(RefusedTransmission, LeavesTheIndexAndTheFilesAsTheyWere) {
    if (PtyTestset::ProgramPath().empty())
        GTEST_SKIP() << "KAVREL_TESTSET is not set";
    testing::TempDir dir;
    LiveSession session(dir.path());
    session.Start(TargetTarn);
    fs::create_directories(session.DataPath("TARN"));
    std::vector<IndexedRecord> full;
    for (int n = 10; n < 60; ++n) {
        full.push_back({1, "01012020-0000" + std::to_string(n) + "00"});
        testing::WriteFile(session.DataPath("TARN/" + full.back().name + ".txt"), "x\r\n");
    }
    std::string index;
    for (int r = 1; r <= MaxReports; ++r)
        index += ReportBlock("R" + std::to_string(r),
                             r == MaxReports ? full : std::vector<IndexedRecord>{},
                             session.DataPath("TARN"));
    testing::WriteFile(session.DataPath("TARN/TARN.ini"), index);
    const std::set<std::string> files = FilesIn(session.DataPath("TARN"));

    PtyTestset set = StartSet(dir.path(), 3, false, {"--tarn", "--gap", "0.3"});
    ASSERT_TRUE(set.Started()) << set.Failure();
    ASSERT_TRUE(session.Connect(3));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !session.ws.Connected; }, HangGuardMs));
    ASSERT_EQ(session.dialogs.messages.size(), 3U)
        << ::testing::PrintToString(session.dialogs.messages);
    EXPECT_EQ(session.dialogs.messages[0], MaximumReportMessage);
    EXPECT_EQ(session.dialogs.messages[1], MaximumRecordMessage); // then the link is lost
    EXPECT_EQ(ReadFile(session.DataPath("TARN/TARN.ini")), index);
    EXPECT_EQ(FilesIn(session.DataPath("TARN")), files);
}

// Connect loads the workspace while the set already prints, and the loader has something to
// say: its message stays open meanwhile. Then the target dialog, opened before Connect, is
// confirmed, and Connect comes again (as after " Maximum Record Number is 50! ").
TEST(VeskSessionTest, BytesDuringLoadingAReconnectAndATargetOkWhileConnectedLoseNothing) {
    if (PtyTestset::ProgramPath().empty())
        GTEST_SKIP() << "KAVREL_TESTSET is not set";
    // A text screen whose last line has no line end yet.
    const std::string screen = Programme(TargetVesk).at(0) + "END OF SCREEN";
    const std::string text = PrinterText(screen);

    testing::TempDir dir;
    LiveSession session(dir.path());
    session.Start(TargetVesk);
    testing::WriteFile(session.DataPath("VESK/VESK.ini"),
                       "-\r\nOLD\r\n\r\n\r\n\r\n\r\n 1 no record file\r\n   RECORD:  x\r\n#\r\n");
    session.window->Menus().mnuTarget->trigger();
    session.window->Form4()->Option(TargetOption(TargetTarn).value())->setChecked(true);

    testing::WriteFile(dir.path() / "screen.prn", screen);
    PtyTestset set = StartSet(dir.path(), 6, true,
                              {"--file", (dir.path() / "screen.prn").string(), "--gap", "600"});
    ASSERT_TRUE(set.Started()) << set.Failure();
    session.dialogs.whileShown = [] { QTest::qWait(1500); };
    ASSERT_TRUE(session.Connect(6));
    session.dialogs.whileShown = nullptr;
    ASSERT_EQ(session.dialogs.messages.size(), 1U) << "the loader's complaint, once";

    const Workspace& ws = session.ws;
    ASSERT_TRUE(QTest::qWaitFor([&] { return ws.RecordText[1][1] == text; }, HangGuardMs))
        << ws.RecordText[1][1];
    EXPECT_EQ(ws.ReportCount, 1);
    EXPECT_EQ(ws.RecordCount[1], 1) << "the bytes went into the loaded report, once";

    ClickOk(session.window->Form4());
    EXPECT_EQ(session.dialogs.messages.back(), "Disconnect first!");
    EXPECT_EQ(ws.TargetDir, "VESK");
    EXPECT_TRUE(ws.VeskMode);

    ASSERT_TRUE(session.Connect(6));
    EXPECT_EQ(ws.ReportCount, 2) << "reloaded, with a fresh report after the one captured into";
    session.Disconnect();
    EXPECT_EQ(set.WaitForExit(10s), 0);
    const std::vector<IndexedRecord> listed =
        ListedRecords(ReadFile(session.DataPath("VESK/VESK.ini")));
    ASSERT_EQ(listed.size(), 1U);
    EXPECT_EQ(ReadFile(session.DataPath("VESK/" + listed[0].name + ".txt")), text + "\r\n");
    EXPECT_EQ(session.dialogs.messages.size(), 2U)
        << ::testing::PrintToString(session.dialogs.messages);
}

constexpr char ChildTest[] = "E2eChildProcess.CapturesUntilTheLinkEnds";

// A capture killed (SIGKILL) once the index on disk lists two records loses none of them: the
// window runs in a child (this program again, running only the child test), and the next
// start of the program reads back all it had filed.
TEST(CrashTest, RecordsFinishedBeforeAKillAreAllThereAfterRestart) {
    if (PtyTestset::ProgramPath().empty())
        GTEST_SKIP() << "KAVREL_TESTSET is not set";
    const std::vector<std::string> screens = Programme(TargetTarn);
    ASSERT_EQ(screens.size(), 3U);
    ASSERT_TRUE(testing::EnsureQtApplication());
    testing::TempDir dir;
    const fs::path index = dir.path() / "PLX" / "TARN" / "TARN.ini";
    const auto listed = [&] { return ListedRecords(ReadFile(index)).size(); };
    // Two plays of the three screens: the kill comes while more are still to be sent.
    PtyTestset set = StartSet(dir.path(), 3, false, {"--tarn", "--gap", "4", "--repeat", "2"});
    ASSERT_TRUE(set.Started()) << set.Failure();
    {
        testing::ScopedEnv folder(ChildFolderVariable, dir.str().c_str()),
            target(ChildTargetVariable, "tarn"), com(ChildComVariable, "3");
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=") + ChildTest});
        ASSERT_TRUE(child.waitForStarted());
        // It has no way to tell but the disk.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return child.state() != QProcess::Running || listed() >= 2; }, HangGuardMs));
        ASSERT_EQ(child.state(), QProcess::Running) << "the capturing child ended on its own";
        child.kill();
        child.waitForFinished();
    }
    EXPECT_EQ(set.WaitForExit(10s), 3); // it saw its reader vanish before the end

    std::vector<std::string> played;
    for (std::size_t i = 0; i < listed(); ++i)
        played.push_back(screens[i % 3]);
    ASSERT_GE(played.size(), 2U);
    ExpectFiled(dir.path(), TargetTarn, played);
}

// The capturing program of the crash test and of tools/measure-cpu: connects to the COM
// number it is given and captures until the link ends (or it is killed).
TEST(E2eChildProcess, CapturesUntilTheLinkEnds) {
    const char* folder = std::getenv(ChildFolderVariable);
    const char* target = std::getenv(ChildTargetVariable);
    const char* com = std::getenv(ChildComVariable);
    if (!folder || !target || !com)
        GTEST_SKIP() << "runs only as a child of the crash test or of tools/measure-cpu";
    LiveSession session(folder);
    session.Start(std::string_view(target) == "tarn" ? TargetTarn : TargetVesk);
    ASSERT_TRUE(session.Connect(std::atoi(com)))
        << ::testing::PrintToString(session.dialogs.messages);
    std::printf("e2e-child: connected\n"); // tools/measure-cpu waits for this line
    std::fflush(stdout);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !session.ws.Connected; }, 30 * 60 * 1000));
}

} // namespace
} // namespace orvane::e2e

#endif
