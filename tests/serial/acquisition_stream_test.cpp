// The byte vocabulary outside bit images: escape endings, line feeds, printable and dropped
// bytes, the clear at the top of the next turn.

#include "acquisition_fixture.h"

namespace orvane::acquisition_tests {
namespace {

class Stream : public ::testing::Test {
  protected:
    void SetUp() override { rig.Start(); }
    AcquisitionRig rig;
};

TEST_F(Stream, EndOfPictureWithNothingPendingFilesNothingAndPrintsR) {
    rig.Feed(GraphStart + Bytes({0x0A}) + EndPicture);

    EXPECT_TRUE(rig.filer.filings.empty());
    EXPECT_FALSE(rig.clipboard.image.has_value());
    ASSERT_EQ(rig.imgTemp.printed.size(), 1u);
    EXPECT_EQ(rig.imgTemp.printed[0].text, "R");
    EXPECT_EQ(rig.State().GraphPending, 1);
}

TEST_F(Stream, EndOfPictureFilesTheHiddenPictureThenDrawsR) {
    rig.Feed(GraphStart + BlockHeader(1) + Bytes({0xF0}) + EndPicture);

    ASSERT_EQ(rig.filer.filings.size(), 1u);
    const auto& filed = rig.filer.filings[0];
    EXPECT_EQ(filed.path, rig.ws.RecordPath[1][1]);
    EXPECT_TRUE(filed.path.ends_with(".doc"));
    ASSERT_TRUE(rig.clipboard.image.has_value());
    EXPECT_EQ(rig.clipboard.image->png, filed.image.png);
    // The filed picture holds the column but not yet the "R" drawn after it.
    testing::RecordingSurface expected;
    for (int y = 0; y < 4; ++y)
        expected.SetPixel(0, y, true);
    for (int y = 4; y < 8; ++y)
        expected.SetPixel(0, y, false);
    EXPECT_EQ(filed.image.png, expected.Image().png);
    EXPECT_EQ(rig.imgTemp.printed.size(), 1u);
    EXPECT_EQ(rig.State().GraphPending, 1);
}

TEST_F(Stream, LaterEndOfPictureFilesTheGrownPictureUnderTheSamePath) {
    rig.Feed(GraphStart + BlockHeader(1) + Bytes({0xFF}) + EndPicture + Bytes({0x0A}) +
             BlockHeader(1) + Bytes({0xFF}) + EndPicture);

    ASSERT_EQ(rig.filer.filings.size(), 2u);
    EXPECT_EQ(rig.filer.filings[0].path, rig.filer.filings[1].path);
    EXPECT_NE(rig.filer.filings[0].image.png, rig.filer.filings[1].image.png);
    EXPECT_EQ(rig.ws.RecordCount[1], 1);
}

TEST_F(Stream, EscapeSpaceWithAnotherCodeStartsNothingAndTheCodeIsPrintable) {
    rig.Feed(TextStart + Bytes({0x1B, 0x20, 0x41}));

    EXPECT_EQ(rig.ws.RecordCount[1], 1);
    EXPECT_EQ(rig.TextOf(1), "A");
    EXPECT_TRUE(rig.win.Text1.text.ends_with("\r\nA"));
}

TEST_F(Stream, OtherEscapeCodesPassThroughAsThemselves) {
    rig.Feed(TextStart + Bytes({0x1B, 0x42, 0x1B, 0x0A, 0x1B, 0x1B}));

    EXPECT_EQ(rig.TextOf(1), "B\r\n") << "1B 1B: the second escape is the code, not a start";
}

TEST_F(Stream, TextBytesGoToTextViewAndRecordWithLineFeedAsCrLf) {
    rig.Feed(TextStart + Bytes({0x41, 0x42, 0x0D, 0x0A}));

    EXPECT_EQ(rig.TextOf(1), "AB\r\n");
    const std::string name = rig.ws.RecordLabel[1][1].substr(12);
    EXPECT_EQ(rig.win.Text1.text, name + "\r\nAB\r\n");
}

TEST_F(Stream, BytesAbovePrintableAndControlBytesAreDropped) {
    std::string stream = TextStart + "a";
    for (int c = 0x7B; c <= 0xFF; ++c)
        stream += static_cast<char>(c);
    stream += Bytes({0x00, 0x09, 0x0D, 0x1A});
    stream += "z";
    rig.Feed(stream);

    EXPECT_EQ(rig.TextOf(1), "az");
}

TEST_F(Stream, LineFeedAfterBitImageRowAdvancesOneBandAfterTextTwo) {
    rig.Feed(GraphStart + BlockHeader(1) + Bytes({0x00, 0x0A}));
    EXPECT_EQ(rig.State().BandRow, 1);
    rig.Feed(Bytes({0x0A}));
    EXPECT_EQ(rig.State().BandRow, 2) << "line feeds leave EscOnLine as it was";

    rig.Feed("AB" + Bytes({0x0A}));
    EXPECT_EQ(rig.State().BandRow, 4);
    rig.Feed(Bytes({0x0A}));
    EXPECT_EQ(rig.State().BandRow, 6);

    // The next row of dots starts on its band at the left edge.
    rig.Feed(BlockHeader(1) + Bytes({0xFF}));
    EXPECT_TRUE(rig.imgTemp.IsBlack(0, 48));
    EXPECT_TRUE(rig.imgTemp.IsBlack(0, 55));
    EXPECT_FALSE(rig.imgTemp.WasWritten(0, 47));
}

TEST_F(Stream, PrintedTextFollowsTheTextPositionOfBothPictures) {
    rig.Feed(GraphStart + "Hi" + Bytes({0x0A}) + "!");

    for (const auto* surface : {&rig.imgScreen, &rig.imgTemp}) {
        ASSERT_EQ(surface->printed.size(), 3u);
        EXPECT_EQ(surface->printed[0].text, "H");
        EXPECT_EQ(surface->printed[1].x, testing::RecordingSurface::CharWidth);
        EXPECT_EQ(surface->printed[2].x, 0);
        EXPECT_EQ(surface->printed[2].y, testing::RecordingSurface::LineHeight);
    }
    EXPECT_TRUE(rig.win.Text1.text.empty());
}

TEST_F(Stream, PictureStartClearsAgainAtTheTopOfTheNextTurn) {
    rig.Feed(GraphStart + BlockHeader(1) + Bytes({0xFF, 0x0A}) + GraphStart);
    const int clearsAtStart = rig.imgTemp.clears;
    ASSERT_TRUE(rig.State().ClearPending);
    ASSERT_EQ(rig.State().BandRow, 1) << "the drawing position is kept until the next turn";
    const int clipboardClears = rig.clipboard.clears;

    rig.Feed(Bytes({0x7B}));

    EXPECT_FALSE(rig.State().ClearPending);
    EXPECT_EQ(rig.imgTemp.clears, clearsAtStart + 1);
    EXPECT_EQ(rig.imgScreen.clears, rig.imgTemp.clears);
    EXPECT_EQ(rig.clipboard.clears, clipboardClears + 1);
    EXPECT_EQ(rig.State().BandRow, 0);
    EXPECT_EQ(rig.State().BandColumn, 0);
    EXPECT_EQ(rig.State().GraphPending, 0);
    EXPECT_EQ(rig.State().EscOnLine, 0);
}

TEST_F(Stream, PictureStartClearsBothSurfacesAndDropsTheLoadedPicture) {
    rig.imgTemp.LoadPicture({"picture", 1, 1});
    rig.imgScreen.SetPixel(3, 3, true);

    rig.Feed(ScreenImageStart);

    EXPECT_TRUE(rig.imgTemp.loaded.png.empty());
    EXPECT_EQ(rig.imgScreen.BlackCount(), 0u);
    EXPECT_GE(rig.imgScreen.clears, 1);
    EXPECT_GE(rig.imgTemp.clears, 1);
}

} // namespace
} // namespace orvane::acquisition_tests
