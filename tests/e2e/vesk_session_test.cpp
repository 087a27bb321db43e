// A Vesk/VeskM test set prints over a pseudo-terminal into the real window: a session (a text
// screen, a graph, a screen image) is filed as the printer stream draws it, whether the bytes
// come in whole writes or in the packets of a USB adapter; and nothing is lost when Connect
// loads while bytes arrive, when Connect comes again, or when the cable goes mid-picture.

// Needs POSIX pseudo-terminals (the simulated test set).
#ifndef _WIN32

#include "e2e_fixture.h"

#include "output/picture_document.h"
#include "serial/link.h"
#include "ui/logic/target_selection.h"
#include "workspace/index_file.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane::e2e {
namespace {

using namespace std::chrono_literals;
using testing::PtyTestset;

// The picture of a document, read back by the program's own reader.
QImage DocumentPicture(const std::string& document) {
    const std::optional<EncodedImage> picture = ReadPictureDocument(document);
    return picture ? QImage::fromData(QByteArray::fromStdString(picture->png), "PNG") : QImage();
}

bool IsBlack(const QImage& picture, int x, int y) {
    return qGray(picture.pixel(x, y)) < 128;
}

// How many of the dots are not in the picture as black or white as they should be.
int WrongDots(const QImage& picture, const std::vector<Dot>& dots) {
    int wrong = 0;
    for (const Dot& dot : dots) {
        if (!picture.valid(dot.x, dot.y) || IsBlack(picture, dot.x, dot.y) != dot.black)
            ++wrong;
    }
    return wrong;
}

// The records of the Vesk programme: text screen, graph, screen image.
std::vector<std::string> VeskRecords() {
    return PrinterRecords(PtyTestset::Dump({"--vesk"}));
}

struct FiledSession {
    std::string text;
    QImage graph;
    QImage screen;
};

// Plays `records` as one transmission on COM<com> and checks what is filed.
FiledSession CaptureSession(Delivery delivery, const std::vector<std::string>& records, int com) {
    testing::TempDir dir;
    LiveSession session(dir.path());
    session.Start(TargetVesk);
    // The session as one transmission, paced to the line, then a silence that only our
    // Disconnect ends: the printer stream needs no pauses between its records.
    testing::WriteFile(dir.path() / "session.prn", records[0] + records[1] + records[2]);
    PtyTestset testset(TestsetOptions(
        dir.path(), com,
        Delivered(delivery, {"--file", (dir.path() / "session.prn").string(), "--baud", "38400",
                             "--gap", "600", "--settle", "0.3"})));
    EXPECT_TRUE(testset.Started()) << testset.Failure();
    EXPECT_TRUE(session.Connect(com)) << ::testing::PrintToString(session.dialogs.messages);

    const Workspace& ws = session.ws;
    // The screen image is filed when its end (ESC R) arrives, the last thing played.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return ws.RecordCount[1] == 3 && std::filesystem::exists(ws.RecordPath[1][3]); },
        HangGuardMs));
    session.Disconnect();
    EXPECT_EQ(testset.WaitForExit(10s), 0);

    const std::string index = testing::ReadFile(session.DataPath("VESK/VESK.ini"));
    const std::vector<IndexedRecord> listed = ListedRecords(index);
    if (listed.size() != 3U) {
        ADD_FAILURE() << index;
        return {};
    }
    EXPECT_EQ((std::vector{listed[0].kind, listed[1].kind, listed[2].kind}),
              (std::vector{1, 2, 2}));
    EXPECT_EQ(index, OneReportIndex(ws.ReportName[1], listed, session.DataPath("VESK")));

    FiledSession filed;
    filed.text = testing::ReadFile(session.DataPath("VESK/" + listed[0].name + ".txt"));
    EXPECT_EQ(filed.text, PrinterText(std::string_view(records[0]).substr(3)) + "\r\n");

    filed.graph =
        DocumentPicture(testing::ReadFile(session.DataPath("VESK/" + listed[1].name + ".doc")));
    EXPECT_EQ(BitImageDots(records[1]).size(), 400U * 80U);
    EXPECT_EQ(WrongDots(filed.graph, BitImageDots(records[1])), 0);

    const std::string screenDocument =
        testing::ReadFile(session.DataPath("VESK/" + listed[2].name + ".doc"));
    filed.screen = DocumentPicture(screenDocument);
    EXPECT_EQ(BitImageDots(records[2]).size(), 128U * 64U);
    EXPECT_EQ(WrongDots(filed.screen, BitImageDots(records[2])), 0);
    // Nothing of the graph is left in the screen image: outside its dots all is white.
    int blackOutside = 0;
    for (int y = 0; y < filed.screen.height(); ++y) {
        for (int x = y < 64 ? 128 : 0; x < filed.screen.width(); ++x)
            blackOutside += IsBlack(filed.screen, x, y) ? 1 : 0;
    }
    EXPECT_EQ(blackOutside, 0);

    // The scratch document is the picture filed last.
    EXPECT_EQ(testing::ReadFile(session.DataPath("temp.doc")), screenDocument);
    EXPECT_TRUE(session.dialogs.messages.empty())
        << ::testing::PrintToString(session.dialogs.messages);
    return filed;
}

TEST(VeskSessionTest, TextGraphAndScreenImageAreFiledTheSameFromWholeWritesAndFromPackets) {
    if (PtyTestset::ProgramPath().empty())
        GTEST_SKIP() << "KAVREL_TESTSET is not set";
    const std::vector<std::string> records = VeskRecords();
    ASSERT_EQ(records.size(), 3U);

    const FiledSession whole = CaptureSession(Delivery::WholeWrites, records, 5);
    const FiledSession packets = CaptureSession(Delivery::Packets, records, 5);
    EXPECT_EQ(packets.text, whole.text);
    EXPECT_FALSE(whole.graph.isNull() || whole.screen.isNull());
    EXPECT_EQ(packets.graph, whole.graph) << "pixel for pixel";
    EXPECT_EQ(packets.screen, whole.screen) << "pixel for pixel";
}

// Connect loads the workspace while the set already prints, and the loader has something to
// say: its message stays open meanwhile. Then the target dialog, opened before Connect, is
// confirmed, and Connect comes again (as after " Maximum Record Number is 50! ").
TEST(VeskSessionTest, BytesDuringLoadingAReconnectAndATargetOkWhileConnectedLoseNothing) {
    if (PtyTestset::ProgramPath().empty())
        GTEST_SKIP() << "KAVREL_TESTSET is not set";
    // A text screen whose last line has no line end yet.
    const std::string screen = VeskRecords().at(0) + "END OF SCREEN";
    const std::string text = PrinterText(std::string_view(screen).substr(3));

    testing::TempDir dir;
    LiveSession session(dir.path());
    session.Start(TargetVesk);
    testing::WriteFile(session.DataPath("VESK/VESK.ini"),
                       "-\r\nOLD\r\n\r\n\r\n\r\n\r\n 1 no record file\r\n   RECORD:  x\r\n#\r\n");
    session.window->Menus().mnuTarget->trigger();
    session.window->Form4()->Option(TargetOption(TargetTarn).value())->setChecked(true);

    testing::WriteFile(dir.path() / "screen.prn", screen);
    PtyTestset testset(TestsetOptions(
        dir.path(), 6,
        Delivered(Delivery::Packets, {"--file", (dir.path() / "screen.prn").string(), "--baud",
                                      "38400", "--gap", "600", "--settle", "0"})));
    ASSERT_TRUE(testset.Started()) << testset.Failure();
    session.dialogs.whileShown = [] { QTest::qWait(1500); };
    ASSERT_TRUE(session.Connect(6));
    session.dialogs.whileShown = nullptr;
    ASSERT_EQ(session.dialogs.messages.size(), 1U) << "the loader's complaint, once";

    const Workspace& ws = session.ws;
    ASSERT_TRUE(QTest::qWaitFor([&] { return ws.RecordText[1][1] == text; }, HangGuardMs))
        << ws.RecordText[1][1];
    EXPECT_EQ(ws.ReportCount, 1);
    EXPECT_EQ(ws.RecordCount[1], 1) << "the bytes went into the loaded report, once";

    session.window->Form4()->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(session.dialogs.messages.back(), "Disconnect first!");
    EXPECT_EQ(ws.TargetDir, "VESK");
    EXPECT_TRUE(ws.VeskMode);

    ASSERT_TRUE(session.Connect(6));
    EXPECT_EQ(ws.ReportCount, 2) << "reloaded, with a fresh report after the one captured into";
    session.Disconnect();
    EXPECT_EQ(testset.WaitForExit(10s), 0);

    const std::vector<IndexedRecord> listed =
        ListedRecords(testing::ReadFile(session.DataPath("VESK/VESK.ini")));
    ASSERT_EQ(listed.size(), 1U);
    EXPECT_EQ(testing::ReadFile(session.DataPath("VESK/" + listed[0].name + ".txt")),
              text + "\r\n");
    EXPECT_EQ(session.dialogs.messages.size(), 2U)
        << ::testing::PrintToString(session.dialogs.messages);
}

TEST(VeskSessionTest, AGraphCutShortByAPulledCableIsFiledAsItArrivedAndKeptAfterARestart) {
    if (PtyTestset::ProgramPath().empty())
        GTEST_SKIP() << "KAVREL_TESTSET is not set";
    const std::string graph = VeskRecords().at(1);
    // About half of the rows; the end of the picture never comes.
    const std::string cut = graph.substr(0, graph.size() / 2);
    ASSERT_EQ(cut.find("\x1bR"), std::string::npos);

    testing::TempDir dir;
    {
        LiveSession session(dir.path());
        session.Start(TargetVesk);
        testing::WriteFile(dir.path() / "cut.prn", cut);
        PtyTestset testset(TestsetOptions(
            dir.path(), 3,
            Delivered(Delivery::Packets, {"--file", (dir.path() / "cut.prn").string(), "--baud",
                                          "38400", "--gap", "0.5", "--settle", "0.3"})));
        ASSERT_TRUE(testset.Started()) << testset.Failure();
        ASSERT_TRUE(session.Connect(3));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !session.ws.Connected; }, HangGuardMs));
        EXPECT_EQ(testset.WaitForExit(10s), 0);
        ASSERT_EQ(session.dialogs.messages.size(), 1U);
        EXPECT_TRUE(session.dialogs.messages[0].starts_with(LinkLostMessage));
    }

    LiveSession restart(dir.path());
    ASSERT_TRUE(ApplyTarget(restart.ws, restart.win, restart.services, TargetVesk));
    Loading_Workspace(restart.ws, restart.win, restart.services);
    ASSERT_EQ(restart.ws.RecordCount[1], 1) << "the record survives the restart";
    EXPECT_EQ(restart.ws.RecordType[1][1], KindGraph);
    const QImage picture = DocumentPicture(testing::ReadFile(restart.ws.RecordPath[1][1]));
    const std::vector<Dot> dots = BitImageDots(cut);
    ASSERT_GT(std::count_if(dots.begin(), dots.end(), [](const Dot& dot) { return dot.black; }),
              100);
    EXPECT_EQ(WrongDots(picture, dots), 0) << "the part that arrived";
}

} // namespace
} // namespace orvane::e2e

#endif
