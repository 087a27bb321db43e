// A Vesk/VeskM test set prints a session (a text screen, a graph, a screen image) over a
// pseudo-terminal into the real window: the text record, the two picture documents and the
// scratch document must be on disk as the printer stream draws them.

// Needs POSIX pseudo-terminals (the simulated test set).
#ifndef _WIN32

#include "e2e_fixture.h"

#include "output/picture_document.h"

#include <gtest/gtest.h>

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

TEST(VeskSessionTest, TextGraphAndScreenImageAreFiledAsTheStreamDrawsThem) {
    if (PtyTestset::ProgramPath().empty())
        GTEST_SKIP() << "KAVREL_TESTSET is not set";
    const std::string played = PtyTestset::Dump({"--vesk"});
    const std::vector<std::string> records = PrinterRecords(played);
    ASSERT_EQ(records.size(), 3U);

    testing::TempDir dir;
    LiveSession session(dir.path());
    session.Start(TargetVesk);
    // The session as one transmission, paced to the line, then a silence that only our
    // Disconnect ends: the printer stream needs no pauses between its records.
    testing::WriteFile(dir.path() / "session.prn", played);
    PtyTestset testset(TestsetOptions(dir.path(), 5,
                                      {"--file", (dir.path() / "session.prn").string(), "--baud",
                                       "38400", "--gap", "600", "--settle", "0.3"}));
    ASSERT_TRUE(testset.Started()) << testset.Failure();
    ASSERT_TRUE(session.Connect(5)) << ::testing::PrintToString(session.dialogs.messages);

    const Workspace& ws = session.ws;
    // The screen image is filed when its end (ESC R) arrives, the last thing played.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return ws.RecordCount[1] == 3 && std::filesystem::exists(ws.RecordPath[1][3]); },
        HangGuardMs));
    session.Disconnect();
    EXPECT_EQ(testset.WaitForExit(10s), 0);

    const std::string index = testing::ReadFile(session.DataPath("VESK/VESK.ini"));
    const std::vector<IndexedRecord> listed = ListedRecords(index);
    ASSERT_EQ(listed.size(), 3U) << index;
    EXPECT_EQ((std::vector{listed[0].kind, listed[1].kind, listed[2].kind}),
              (std::vector{1, 2, 2}));
    EXPECT_EQ(index, OneReportIndex(ws.ReportName[1], listed, session.DataPath("VESK")));

    EXPECT_EQ(testing::ReadFile(session.DataPath("VESK/" + listed[0].name + ".txt")),
              PrinterText(std::string_view(records[0]).substr(3)) + "\r\n");

    const QImage graph =
        DocumentPicture(testing::ReadFile(session.DataPath("VESK/" + listed[1].name + ".doc")));
    ASSERT_EQ(BitImageDots(records[1]).size(), 400U * 80U);
    EXPECT_EQ(WrongDots(graph, BitImageDots(records[1])), 0);

    const std::string screenDocument =
        testing::ReadFile(session.DataPath("VESK/" + listed[2].name + ".doc"));
    const QImage screen = DocumentPicture(screenDocument);
    ASSERT_EQ(BitImageDots(records[2]).size(), 128U * 64U);
    EXPECT_EQ(WrongDots(screen, BitImageDots(records[2])), 0);
    // Nothing of the graph is left in the screen image: outside its dots all is white.
    int blackOutside = 0;
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = y < 64 ? 128 : 0; x < screen.width(); ++x)
            blackOutside += IsBlack(screen, x, y) ? 1 : 0;
    }
    EXPECT_EQ(blackOutside, 0);

    // The scratch document is the picture filed last.
    EXPECT_EQ(testing::ReadFile(session.DataPath("temp.doc")), screenDocument);
    EXPECT_TRUE(session.dialogs.messages.empty())
        << ::testing::PrintToString(session.dialogs.messages);
}

} // namespace
} // namespace orvane::e2e

#endif
