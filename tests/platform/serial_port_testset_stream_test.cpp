// What the simulated test set plays must be the byte protocol the capture understands.
#ifndef _WIN32

#include "support/fakes.h"
#include "support/pty_testset.h"

#include <gtest/gtest.h>

#include <set>

namespace orvane {
namespace {

using testing::PtyTestset;

class TestsetStreamTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (PtyTestset::ProgramPath().empty())
            GTEST_SKIP() << "KAVREL_TESTSET is not set";
    }
};

// The shape of a picture: the column count of every bit-image row.
struct Picture {
    char kind = 0;
    std::set<int> rowWidths;
    int rows = 0;
    bool filed = false;
};

TEST_F(TestsetStreamTest, VeskPrintoutIsATextRecordAGraphAndAScreenImageOfWellFormedBlocks) {
    const std::string stream = PtyTestset::Dump({"--vesk"});
    ASSERT_FALSE(stream.empty());
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(stream.at(i)); };
    std::string starts;
    std::vector<Picture> pictures;
    int rowWidth = 0;
    for (std::size_t i = 0; i < stream.size();) {
        if (byteAt(i) != 0x1B) {
            if (byteAt(i) == 0x0A && !pictures.empty() && rowWidth > 0) {
                pictures.back().rowWidths.insert(rowWidth);
                ++pictures.back().rows;
                rowWidth = 0;
            }
            ++i;
            continue;
        }
        ASSERT_LT(i + 1, stream.size());
        const unsigned char command = byteAt(i + 1);
        if (command == ' ') {
            const char kind = stream.at(i + 2);
            starts += kind;
            if (kind != '\x09')
                pictures.push_back({kind, {}, 0, false});
            i += 3;
        } else if (command == 'K') {
            ASSERT_FALSE(pictures.empty()) << "bit image outside a picture at " << i;
            const int columns = byteAt(i + 2) + 256 * byteAt(i + 3);
            ASSERT_GT(columns, 0);
            ASSERT_LE(i + 4 + static_cast<std::size_t>(columns), stream.size());
            // The byte after a block's data is read as a command; keep it out of their range.
            const unsigned char last = byteAt(i + 3 + static_cast<std::size_t>(columns));
            EXPECT_FALSE(last == 0x0A || (last >= 0x20 && last <= 0x7A))
                << "block at " << i << " ends in " << int(last);
            rowWidth += columns;
            i += 4 + static_cast<std::size_t>(columns);
        } else if (command == 'R') {
            ASSERT_FALSE(pictures.empty());
            pictures.back().filed = true;
            i += 2;
        } else {
            FAIL() << "unexpected escape " << int(command) << " at " << i;
        }
    }
    EXPECT_EQ(starts, "\x09\x0F\x04");
    ASSERT_EQ(pictures.size(), 2u);
    for (const Picture& picture : pictures) {
        EXPECT_TRUE(picture.filed);
        EXPECT_GE(picture.rows, 8);
        EXPECT_EQ(picture.rowWidths.size(), 1u) << "rows of unequal width";
    }
}

TEST_F(TestsetStreamTest, TarnScreensArePrinterTextWithCrLfLines) {
    const std::string stream = PtyTestset::Dump({"--tarn", "--repeat", "2"});
    const std::string screens = PtyTestset::Dump({"--tarn"});
    EXPECT_EQ(stream, screens + screens);
    EXPECT_EQ(screens.rfind("\x1BR\x01\x1B"
                            "2\x0F",
                            0),
              0u);
    EXPECT_NE(screens.find("\x1Br\x01\x1B"
                           "2"),
              std::string::npos);
    for (std::size_t i = 0; i < screens.size(); ++i) {
        if (screens[i] == '\r') {
            EXPECT_EQ(screens.at(i + 1), '\n') << "at " << i;
        }
        if (screens[i] == '\n') {
            EXPECT_EQ(screens.at(i - 1), '\r') << "at " << i;
        }
    }
}

TEST_F(TestsetStreamTest, AFileIsPlayedByteForByte) {
    testing::TempDir temp;
    std::string bytes;
    for (int value = 255; value >= 0; --value)
        bytes += static_cast<char>(value);
    testing::WriteFile(temp.path() / "capture.bin", bytes);
    EXPECT_EQ(PtyTestset::Dump({"--file", (temp.path() / "capture.bin").string()}), bytes);
}

} // namespace
} // namespace orvane

#endif
