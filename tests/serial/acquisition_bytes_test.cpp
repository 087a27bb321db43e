// The decoder's byte vocabulary: bit-image blocks, the last byte of an escape sequence, line
// feeds, printable and dropped bytes, filing on 1B 52.

#include "serial_test_world.h"

namespace orvane::testing {
namespace {

// Columns [from, to) of the band at `top`, top down: 1 black, 0 white, . never written.
std::string Columns(const RecordingSurface& surface, int from, int to, int top = 0) {
    std::string dots;
    for (int x = from; x < to; ++x) {
        for (int y = top; y < top + 8; ++y)
            dots += surface.IsBlack(x, y) ? '1' : surface.WasWritten(x, y) ? '0' : '.';
        dots += x + 1 < to ? " " : "";
    }
    return dots;
}

class Decoder : public ::testing::Test {
  protected:
    AcquisitionRig rig;
};

TEST_F(Decoder, DrawsColumnsMostSignificantBitOnTopAndGoesOnWhereTheBlockEnded) {
    rig.Feed(Bytes({0x1B, 0x4B, 0x03, 0x00, 0xFF, 0x00, 0x80}) + Block(1, "\x01"));

    for (const auto* surface : {&rig.imgScreen, &rig.imgTemp}) {
        EXPECT_EQ(Columns(*surface, 0, 5), "11111111 00000000 10000000 00000001 ........");
        EXPECT_EQ(surface->BlackCount(), 10u);
    }
    EXPECT_EQ(rig.Drawing(), "row 0 column 4 pending 1 esc 1");
}

TEST_F(Decoder, EmptyBlockDrawsNothingAndItsHighByteEndsTheSequence) {
    rig.Feed(Block(0));

    EXPECT_EQ(rig.imgScreen.pixelCalls, 0u);
    EXPECT_EQ(rig.Drawing(), "row 0 column 0 pending 1 esc 1");
    EXPECT_EQ(Printed(rig.imgScreen) + rig.win.Text1.text, "");
}

TEST_F(Decoder, HighByteFrom128OnIsLeftOutOfTheColumnCount) {
    rig.Feed(Bytes({0x1B, 0x4B, 0x02, 0x80, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(rig.State().ImageColumns, 2);
    EXPECT_EQ(Columns(rig.imgTemp, 0, 3), "11111111 11111111 ........")
        << "the third FF is dropped";
}

TEST(DecoderBlockEnd, LastDataByteAlsoActsAsItselfButInnerOnesAreOnlyDots) {
    struct Row {
        std::string data;
        std::size_t filings;
        std::string printed, drawing;
        int textY;
    };
    for (const Row& row : {
             // Files while GraphPending, then prints R.
             Row{"\x52", 1, "0,7:R ", "row 0 column 1 pending 1 esc 0", 7},
             // A line feed after a bit-image row advances one band.
             Row{"\x0A", 0, "", "row 1 column 0 pending 1 esc 1", 7 + 16},
             // Printed where the last dot was set.
             Row{Bytes({0x00, 0x41}), 0, "1,7:A ", "row 0 column 2 pending 1 esc 0", 7},
             Row{Bytes({0x52, 0x0A, 0x41, 0x00}), 0, "", "row 0 column 4 pending 1 esc 1", 7},
         }) {
        SCOPED_TRACE("data " + ::testing::PrintToString(row.data));
        AcquisitionRig rig;
        rig.Feed(GraphStart + Block(static_cast<int>(row.data.size()), row.data));
        EXPECT_EQ(rig.filer.filings.size(), row.filings);
        for (const auto& filing : rig.filer.filings)
            EXPECT_EQ(filing.path, rig.ws.RecordPath[1][1]);
        EXPECT_EQ(Printed(rig.imgTemp), row.printed);
        EXPECT_EQ(rig.Drawing(), row.drawing);
        EXPECT_EQ(rig.imgTemp.textY, row.textY);
    }
}

TEST_F(Decoder, EndOfPictureWithNothingPendingFilesNothingAndPrintsR) {
    rig.Feed(GraphStart + LineFeed + EndPicture);

    EXPECT_TRUE(rig.filer.filings.empty());
    EXPECT_EQ(rig.clipboard.image.png, "");
    EXPECT_EQ(Printed(rig.imgTemp), "0,16:R ");
    EXPECT_EQ(rig.State().GraphPending, 1);
}

TEST_F(Decoder, EndOfPictureFilesTheHiddenPictureToItsRecordAndTheClipboardAndPrintsR) {
    rig.Feed(GraphStart + Block(1, "\xF0") + EndPicture);

    ASSERT_EQ(rig.filer.filings.size(), 1u);
    EXPECT_EQ(rig.filer.filings[0].path, rig.ws.RecordPath[1][1]);
    EXPECT_EQ(rig.clipboard.image.png, rig.filer.filings[0].image.png);
    RecordingSurface expected; // what the hidden picture holds: one column
    for (int y = 0; y < 8; ++y)
        expected.SetPixel(0, y, y < 4);
    EXPECT_EQ(rig.filer.filings[0].image.png, expected.Image().png);
    EXPECT_EQ(Printed(rig.imgTemp), "0,7:R ");
}

TEST(DecoderText, EscapeEndingsLineFeedsAndDroppedBytesInATextRecord) {
    std::string high;
    for (int c = 0x7B; c <= 0xFF; ++c)
        high += static_cast<char>(c);
    const std::vector<std::pair<std::string, std::string>> rows{
        {Bytes({0x1B, 0x20, 0x41}), "A"},            // starts nothing; the code is printable
        {Bytes({0x41, 0x42, 0x0D, 0x0A}), "AB\r\n"}, // CR dropped, LF typed as CR LF
        {Bytes({0x1B, 0x42, 0x1B, 0x0A, 0x1B, 0x1B, 0x4B}), "B\r\nK"}, // 1B 1B: 1B is the code
        {"a" + high + Bytes({0x00, 0x09, 0x0D, 0x1A}) + "z", "az"},
    };
    for (const auto& [bytes, text] : rows) {
        SCOPED_TRACE(::testing::PrintToString(bytes));
        AcquisitionRig rig;
        rig.Feed(TextStart + bytes);
        EXPECT_EQ(rig.ws.RecordCount[1], 1);
        EXPECT_EQ(rig.TextOf(1), text);
        EXPECT_EQ(rig.win.Text1.text, rig.ws.RecordLabel[1][1].substr(12) + "\r\n" + text);
    }
}

TEST_F(Decoder, LineFeedAdvancesOneBandAfterABitImageRowAndTwoAfterText) {
    const std::vector<std::pair<std::string, int>> steps{
        {GraphStart + Block(1, Bytes({0x00, 0x0A})), 1},
        {LineFeed, 2}, // a second line feed: the line held no bit image
        {"AB" + LineFeed, 4},
        {LineFeed, 6},
    };
    for (const auto& [bytes, bandRow] : steps) {
        rig.Feed(bytes);
        EXPECT_EQ(rig.State().BandRow, bandRow) << ::testing::PrintToString(bytes);
    }
    // Text goes to both pictures at their text position, one line height per line feed.
    EXPECT_EQ(Printed(rig.imgScreen), "0,39:A 8,39:B ");
    EXPECT_EQ(Printed(rig.imgTemp), Printed(rig.imgScreen));
    // The next row of dots starts on its band at the left edge.
    rig.Feed(Block(1, "\xFF"));
    EXPECT_EQ(Columns(rig.imgTemp, 0, 1, 40) + " " + Columns(rig.imgTemp, 0, 1, 48),
              "........ 11111111");
}

TEST_F(Decoder, PictureStartDropsTheLoadedPictureAndClearsAgainAtTheTopOfTheNextTurn) {
    rig.Feed(GraphStart + Block(1, Bytes({0xFF, 0x0A})));
    rig.imgTemp.LoadPicture({"picture", 1, 1});

    rig.Feed(ScreenImageStart);
    EXPECT_EQ(rig.imgTemp.loaded.png, "");
    EXPECT_EQ(rig.imgScreen.BlackCount(), 0u);
    EXPECT_EQ(rig.Drawing(), "row 1 column 0 pending 1 esc 1") << "kept until the next turn";
    const int clears = rig.imgTemp.clears;
    const int clipboardClears = rig.clipboard.clears;

    rig.Feed(Bytes({0x7B}));
    EXPECT_EQ(rig.imgTemp.clears, clears + 1);
    EXPECT_EQ(rig.imgScreen.clears, rig.imgTemp.clears);
    EXPECT_EQ(rig.clipboard.clears, clipboardClears + 1);
    EXPECT_EQ(rig.Drawing(), "row 0 column 0 pending 0 esc 0");
}

} // namespace
} // namespace orvane::testing
