// The office programs: how the launcher starts them, and that what the program hands to them
// is read back right: each export is converted by LibreOffice, started with the arguments the
// launcher gives it plus a headless conversion, and the cells, characters and picture dots of
// the result are compared with what was exported.

#include "output/excel_export.h"
#include "output/output_command_test.h"
#include "output/save.h"
#include "output/word_export.h"
#include "platform/cp1252.h"
#include "platform/office_arguments.h"
#include "platform/qt_launcher.h"
#include "platform/qt_picture_surface.h"
#include "support/poppler.h"
#include "support/qt_application.h"

#include <QFileInfo>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using Row = std::vector<std::string>;

// The cells of each line in UTF-8, without a byte order mark, the empty cells at a line's end
// and the empty lines at the end (the exports hold no comma or quote, so the comma-separated
// converted table needs no unquoting).
std::vector<Row> Cells(QString text, char separator) {
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    std::vector<Row> rows;
    for (const QString& line :
         text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split('\n')) {
        Row cells;
        for (const QString& cell : line.split(QChar(separator)))
            cells.push_back(cell.toStdString());
        while (!cells.empty() && cells.back().empty())
            cells.pop_back();
        rows.push_back(cells);
    }
    while (!rows.empty() && rows.back().empty())
        rows.pop_back();
    return rows;
}

class OfficeRoundTripTest : public testing::OutputCommandTest {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }
    void SetUp() override {
        if (office.isEmpty())
            GTEST_SKIP() << "LibreOffice is not installed (no soffice or libreoffice program)";
    }

    // Has LibreOffice convert `file`, opened as the launcher opens a file of its kind, into
    // `format` ("extension:filter"); the converted file.
    QString Convert(OfficeFile kind, const std::string& file, const QString& format) {
        const QString out = QString::fromStdString(DirFile("converted"));
        // A profile of its own, so parallel runs never meet in one LibreOffice.
        const QString profile =
            QUrl::fromLocalFile(QString::fromStdString(DirFile("profile"))).toString();
        QProcess soffice;
        soffice.start(office, QStringList{"-env:UserInstallation=" + profile, "--headless",
                                          "--convert-to", format, "--outdir", out} +
                                  OfficeArguments(kind, QString::fromStdString(file)));
        soffice.waitForFinished(300000); // a guard against hangs
        const QString converted = out + "/" + QFileInfo(QString::fromStdString(file)).baseName() +
                                  "." + format.section(':', 0, 0);
        EXPECT_TRUE(QFileInfo::exists(converted)) << soffice.readAllStandardError().toStdString();
        return converted;
    }

    QString office = QtLauncher().OfficeProgram();
};

TEST_F(OfficeRoundTripTest, EveryCellCharacterAndDotOfEachExportIsReadBack) {
    ws.ReportField[2] = {"", "M\xfcller  GmbH", "J. Doe", "T-42", ""};
    win.Text1.Set("Sch\xf6ne Gr\xfc\xdf"
                  "e\r\nTEMP  23 \xb0"
                  "C\r\n  lead\ttab\r\n");
    const std::string table = mnuExportToExcel_Click(ws, win, services, launcher);
    const std::string text = mnuExportToWord_Click(ws, win, services, clipboard, imgTemp, launcher);
    ASSERT_EQ(launcher.spreadsheetFiles, testing::Messages{table});
    ASSERT_EQ(launcher.wordProcessorKinds, std::vector{OfficeFile::Text});
    // The converted file holds the exported cells (split at `exported`, or `converted` there),
    // among them the rows `shown`.
    const auto expectSame = [&](OfficeFile kind, const std::string& file, const QString& format,
                                char exported, char converted, const std::vector<Row>& shown) {
        const std::string bytes = testing::ReadFile(Convert(kind, file, format).toStdString());
        const std::vector<Row> rows = Cells(QString::fromUtf8(bytes), converted);
        EXPECT_EQ(rows, Cells(FromCp1252(testing::ReadFile(file)), exported)) << file;
        for (const Row& row : shown)
            EXPECT_NE(std::ranges::find(rows, row), rows.end()) << file << ": " << row[0];
    };
    expectSame(OfficeFile::Table, table, "csv:Text - txt - csv (StarCalc):44,34,76", '\t', ',',
               {{"Company:", "M\u00fcller", "GmbH"},
                {"Sch\u00f6ne", "Gr\u00fc\u00dfe"},
                {"TEMP", "23", "\u00b0C"}});
    expectSame(
        OfficeFile::Text, text, "txt:Text (encoded):UTF8", '\n', '\n',
        {{"Company: M\u00fcller  GmbH"}, {"Sch\u00f6ne Gr\u00fc\u00dfe"}, {"TEMP  23 \u00b0C"}});

    // A graph, saved and exported as a picture document.
    QtPictureSurface surface;
    for (int x = 0; x < QtPictureSurface::DefaultWidth; ++x)
        surface.SetPixel(x, 200 + x / 4, true);
    surface.Print("GRAPH -12.5 dB");
    const QImage graph = surface.Picture().copy();
    win.Text1.visible = false;
    win.imgScreenVisible = true;
    mnuSave_Click(ws, win, services, clipboard, surface, DirFile("saved"));
    const std::string picture =
        mnuExportToWord_Click(ws, win, services, clipboard, surface, launcher);
    ASSERT_EQ(launcher.wordProcessorKinds.back(), OfficeFile::PictureDocument);
    for (const std::string& document : {DirFile("saved.doc"), picture}) {
        SCOPED_TRACE(document);
        const QString images = QString::fromStdString(document + "-images");
        QDir().mkpath(images);
        const std::vector<QImage> shown = testing::PdfImages(
            Convert(OfficeFile::PictureDocument, document, QStringLiteral("pdf")), images);
        ASSERT_EQ(shown.size(), 1u);
        ASSERT_EQ(shown[0].size(), graph.size());
        int differing = 0;
        for (int y = 0; y < graph.height(); ++y)
            for (int x = 0; x < graph.width(); ++x)
                differing +=
                    (qGray(shown[0].pixel(x, y)) < 128) != (qGray(graph.pixel(x, y)) < 128);
        EXPECT_EQ(differing, 0);
    }
}

// The launcher finds LibreOffice, or else the desktop's spreadsheet, in a search path of
// the test's own.
class LauncherTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }
    LauncherTest() { fs::create_directory(bin); }

    // A program in the launcher's own search path.
    void FakeProgram(const std::string& name, const std::string& body) {
        testing::WriteFile(bin / name, "#!/bin/sh\n" + body + "\n");
        fs::permissions(bin / name, fs::perms::owner_all);
    }
    // A launcher of a fresh run: it looks the programs up once, as it is made.
    std::unique_ptr<QtLauncher> Started() const {
        return std::make_unique<QtLauncher>(QStringList{QString::fromStdString(bin.string())});
    }

    testing::TempDir dir;
    fs::path bin = dir.path() / "bin";
};

TEST_F(LauncherTest, StartsLibreOfficeWithTheImportFilterOfEachKindOfFile) {
    // Each office program writes its name and arguments, one a line, to `args`.
    const std::string args = (dir.path() / "args").string();
    for (const std::string name : {"soffice", "libreoffice"})
        FakeProgram(name, "printf '%s\\n' " + name + " \"$@\" > '" + args + ".tmp' && mv '" + args +
                              ".tmp' '" + args + "'");
    // What the detached program was started with, once it has run.
    const auto started = [&] {
        for (int i = 0; i < 600 && !fs::exists(args); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100)); // a guard against hangs
        const std::string text = testing::ReadFile(args);
        fs::remove(args);
        return text;
    };
    auto launcher = Started();
    EXPECT_EQ(launcher->OfficeProgram().toStdString(), (bin / "libreoffice").string())
        << "libreoffice is preferred";
    EXPECT_TRUE(launcher->HasSpreadsheet() &&
                launcher->OpenInSpreadsheet("/data/PLX/with blank.xls"));
    EXPECT_EQ(started(), "libreoffice\n--calc\n--infilter=Text - txt - csv "
                         "(StarCalc):9,34,1\n/data/PLX/with blank.xls\n")
        << "a blank stays inside the one argument";
    fs::remove(bin / "libreoffice");
    launcher = Started();
    EXPECT_TRUE(launcher->OpenInWordProcessor("/data/PLX/12052026-035651AM.doc",
                                              OfficeFile::PictureDocument));
    EXPECT_EQ(started(), "soffice\n--writer\n/data/PLX/12052026-035651AM.doc\n");
    EXPECT_TRUE(launcher->OpenInWordProcessor("/data/PLX/12052026-035651AM.txt", OfficeFile::Text));
    EXPECT_EQ(started(),
              "soffice\n--writer\n--infilter=Text (encoded):MS_1252,CRLF,Liberation Mono,\n"
              "/data/PLX/12052026-035651AM.txt\n");
}

// Without LibreOffice the desktop's default spreadsheet counts. A desktop slow to answer is
// asked once only, and the window's timers (and so its painting) go on while a command waits.
TEST_F(LauncherTest, WithoutLibreOfficeTheDesktopsDefaultSpreadsheetCounts) {
    const std::string asked = (dir.path() / "asked").string();
    const std::pair<std::string, bool> rows[] = {
        {"", false},       // no xdg-mime to ask
        {"exit 0", false}, // no default application registered
        {"[ \"$3\" = text/csv ] && echo gnumeric.desktop; exit 0", true},
        {"echo >> '" + asked + "'; sleep 1; echo calc.desktop", true}};
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    for (const auto& [xdgMime, spreadsheet] : rows) {
        if (!xdgMime.empty())
            FakeProgram("xdg-mime", xdgMime);
        const auto launcher = Started();
        timer.start(10);
        ticks = 0;
        EXPECT_TRUE(launcher->OfficeProgram().isEmpty());
        EXPECT_EQ(launcher->HasSpreadsheet() && launcher->HasSpreadsheet(), spreadsheet) << xdgMime;
    }
    EXPECT_GT(ticks, 0) << "while the slow desktop answered";
    EXPECT_EQ(testing::ReadFile(asked), "\n") << "asked once";
}

} // namespace
} // namespace orvane
