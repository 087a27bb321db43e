// Bit-image blocks: dots, block sizes, the block's last byte, hostile sizes.

#include "acquisition_fixture.h"

namespace orvane::acquisition_tests {
namespace {

class BitImage : public ::testing::Test {
  protected:
    void SetUp() override { rig.Start(); }
    AcquisitionRig rig;
};

TEST_F(BitImage, ColumnsAreDrawnMostSignificantBitOnTopIncludingWhiteDots) {
    rig.Feed(Bytes({0x1B, 0x4B, 0x03, 0x00, 0xFF, 0x00, 0x80}));

    for (const auto* surface : {&rig.imgScreen, &rig.imgTemp}) {
        for (int y = 0; y < 8; ++y) {
            EXPECT_TRUE(surface->IsBlack(0, y)) << "column 0, row " << y;
            EXPECT_FALSE(surface->IsBlack(1, y)) << "column 1, row " << y;
            EXPECT_TRUE(surface->WasWritten(1, y)) << "white dots are written too";
            EXPECT_EQ(surface->IsBlack(2, y), y == 0) << "column 2, row " << y;
        }
        EXPECT_EQ(surface->BlackCount(), 9u);
        EXPECT_FALSE(surface->WasWritten(3, 0));
    }
    EXPECT_EQ(rig.State().BandColumn, 3);
    EXPECT_EQ(rig.State().ImageColumns, 3);
    EXPECT_EQ(rig.State().GraphPending, 1);
    EXPECT_EQ(rig.State().EscOnLine, 1);
}

TEST_F(BitImage, NextBlockContinuesWhereThePreviousEnded) {
    rig.Feed(BlockHeader(2) + Bytes({0x01, 0x01}) + BlockHeader(1) + Bytes({0x01}));

    EXPECT_TRUE(rig.imgTemp.IsBlack(0, 7));
    EXPECT_TRUE(rig.imgTemp.IsBlack(1, 7));
    EXPECT_TRUE(rig.imgTemp.IsBlack(2, 7));
    EXPECT_EQ(rig.State().BandColumn, 3);
}

TEST_F(BitImage, EmptyBlockDrawsNothingAndItsHighByteEndsTheSequence) {
    rig.Feed(Bytes({0x1B, 0x4B, 0x00, 0x00}));

    EXPECT_EQ(rig.imgScreen.pixelCalls, 0u);
    EXPECT_EQ(rig.State().BandColumn, 0);
    EXPECT_EQ(rig.State().GraphPending, 1);
    EXPECT_TRUE(rig.imgScreen.printed.empty());
    EXPECT_EQ(rig.win.Text1.text, "");
}

TEST_F(BitImage, HighByteFrom128OnIsLeftOutOfTheColumnCount) {
    rig.Feed(Bytes({0x1B, 0x4B, 0x02, 0x80, 0xFF, 0xFF, 0xFF}));

    EXPECT_EQ(rig.State().ImageColumns, 2);
    EXPECT_EQ(rig.State().BandColumn, 2);
    EXPECT_TRUE(rig.imgTemp.IsBlack(1, 0));
    EXPECT_FALSE(rig.imgTemp.WasWritten(2, 0)) << "the third FF is a byte of its own";
}

TEST_F(BitImage, HighByteCountsWholePagesOfColumns) {
    rig.Feed(BlockHeader(0x0102) + std::string(0x0102, '\x80'));

    EXPECT_EQ(rig.State().ImageColumns, 258);
    EXPECT_EQ(rig.State().BandColumn, 258);
    EXPECT_TRUE(rig.imgTemp.IsBlack(257, 0));
}

TEST_F(BitImage, LastDataByte52FilesThePictureWhileGraphPending) {
    rig.Feed(GraphStart + BlockHeader(1) + Bytes({0x52}));

    ASSERT_EQ(rig.filer.filings.size(), 1u);
    EXPECT_EQ(rig.filer.filings[0].path, rig.ws.RecordPath[1][1]);
    // The 52 is then also the printable "R".
    ASSERT_EQ(rig.imgTemp.printed.size(), 1u);
    EXPECT_EQ(rig.imgTemp.printed[0].text, "R");
    EXPECT_EQ(rig.State().GraphPending, 1);
}

TEST_F(BitImage, LastDataByte0AIsAlsoALineFeed) {
    rig.Feed(GraphStart + BlockHeader(1) + Bytes({0x0A}));

    EXPECT_EQ(rig.State().BandRow, 1) << "a line ending in a bit image advances one band";
    EXPECT_EQ(rig.State().BandColumn, 0);
    EXPECT_EQ(rig.imgTemp.textX, 0);
}

TEST_F(BitImage, LastDataBytePrintableIsAlsoPrinted) {
    rig.Feed(GraphStart + BlockHeader(2) + Bytes({0x00, 0x41}));

    ASSERT_EQ(rig.imgScreen.printed.size(), 1u);
    EXPECT_EQ(rig.imgScreen.printed[0].text, "A");
    // The text position is where the last dot was set.
    EXPECT_EQ(rig.imgScreen.printed[0].x, 1);
    EXPECT_EQ(rig.imgScreen.printed[0].y, 7);
    EXPECT_EQ(rig.State().EscOnLine, 0);
}

TEST_F(BitImage, InnerDataBytesHaveNoMeaningOfTheirOwn) {
    rig.Feed(GraphStart + BlockHeader(4) + Bytes({0x52, 0x0A, 0x41, 0x00}));

    EXPECT_TRUE(rig.filer.filings.empty());
    EXPECT_TRUE(rig.imgTemp.printed.empty());
    EXPECT_EQ(rig.State().BandRow, 0);
    EXPECT_EQ(rig.State().BandColumn, 4);
}

TEST_F(BitImage, BlocksWiderThanThePictureAreClipped) {
    rig.Feed(BlockHeader(32767) + std::string(32767, '\xFF'));

    EXPECT_EQ(rig.State().BandColumn, 32767);
    EXPECT_EQ(rig.imgTemp.BlackCount(), static_cast<std::size_t>(rig.imgTemp.Width() * 8));
    // One column per data byte received, eight dots on each surface.
    EXPECT_EQ(rig.imgTemp.pixelCalls, 32767u * 8u);
}

TEST_F(BitImage, ColumnCountBeyond16BitsStopsGrowing) {
    const std::string block = BlockHeader(32767) + std::string(32767, '\x00');
    rig.Feed(block + block + block);

    EXPECT_EQ(rig.State().BandColumn, 32767);
    EXPECT_EQ(rig.State().BandRow, 0);
}

TEST_F(BitImage, AnnouncedColumnsThatNeverArriveCostNothing) {
    rig.Feed(BlockHeader(32767) + Bytes({0xFF, 0xFF}));

    EXPECT_EQ(rig.imgTemp.pixelCalls, 16u);
    EXPECT_EQ(rig.State().ColumnIndex, 2);
    EXPECT_EQ(rig.State().BandColumn, 0) << "the block is still open";
}

} // namespace
} // namespace orvane::acquisition_tests
