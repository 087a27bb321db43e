#include "serial/pushed_text_cleaning.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace std::string_literals;

TEST(CleanPushedText, RemovesThePrinterSetupDropsLineFeedsAndEndsLinesWithCrLf) {
    const std::vector<std::pair<std::string, std::string>> rows{
        {"\x1bR\x01\x1b\x32\x0f"s + "ABC", "ABC"},
        {"A\x1bR\x01\x1b\x32"s + "BC", "ABC"},
        {"\x1bR\x01\x1b\x32\x0f\x1bR\x01\x1b\x32"s + "X", "X"},
        {"\x1br\x01\x1b\x32"s + "X", "X"}, // the letter matches whatever its case
        {"\x1br\x01\x1b\x32\x0f"s + "X", "X"},
        {"\x1bR\x02\x1b\x32X"s, "\x1bR\x02\x1b\x32X"s}, // other sequences stay
        {"\x1bS\x01\x1b\x32X"s, "\x1bS\x01\x1b\x32X"s},
        // Taking out the six bytes joins ESC R 01 ESC and "2" into the five-byte sequence.
        {"\x1bR\x01\x1b"s + "\x1bR\x01\x1b\x32\x0f"s + "2X", "X"},
        {"A\r\nB\r\n", "A\r\nB\r\n"},
        {"A\nB", "AB"},
        {"A\rB\r", "A\r\nB\r\n"},
        {"\n\r\n\n", "\r\n"},
    };
    for (const auto& [chunk, cleaned] : rows)
        EXPECT_EQ(CleanPushedText(chunk), cleaned) << ::testing::PrintToString(chunk);
}

TEST(CleanPushedText, KeepsEveryOtherByteAndASequenceSplitOverTwoChunks) {
    std::string bytes;
    for (int c = 0; c < 256; ++c)
        if (c != '\r' && c != '\n')
            bytes += static_cast<char>(c);
    EXPECT_EQ(CleanPushedText(bytes), bytes);

    const std::string first = "AB\x1bR\x01"s;
    const std::string second = "\x1b\x32"s + "CD";
    EXPECT_EQ(CleanPushedText(first) + CleanPushedText(second), first + second);
}

TEST(RemoveIgnoringCase, RemovesNonOverlappingMatchesLeftToRight) {
    EXPECT_EQ(RemoveIgnoringCase("aaa", "aa"), "a");
    EXPECT_EQ(RemoveIgnoringCase("xAbYaBz", "ab"), "xYz");
    EXPECT_EQ(RemoveIgnoringCase("abc", ""), "abc");
    EXPECT_EQ(RemoveIgnoringCase("a", "abc"), "a");
}

} // namespace
} // namespace orvane
