#include "serial/pushed_text_cleaning.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

using namespace std::string_literals;

TEST(CleanPushedText, RemovesThePrinterSetupWithAndWithoutPitch) {
    EXPECT_EQ(CleanPushedText("\x1bR\x01\x1b\x32\x0f"
                              "ABC"s),
              "ABC");
    EXPECT_EQ(CleanPushedText("A\x1bR\x01\x1b\x32"
                              "BC"s),
              "ABC");
    EXPECT_EQ(CleanPushedText("\x1bR\x01\x1b\x32\x0f\x1bR\x01\x1b\x32"
                              "X"s),
              "X");
}

TEST(CleanPushedText, MatchesTheLetterWhateverItsCase) {
    EXPECT_EQ(CleanPushedText("\x1br\x01\x1b\x32"
                              "X"s),
              "X");
    EXPECT_EQ(CleanPushedText("\x1br\x01\x1b\x32\x0f"
                              "X"s),
              "X");
}

TEST(CleanPushedText, LeavesOtherEscapeSequencesAlone) {
    EXPECT_EQ(CleanPushedText("\x1bR\x02\x1b\x32X"s), "\x1bR\x02\x1b\x32X"s);
    EXPECT_EQ(CleanPushedText("\x1bS\x01\x1b\x32X"s), "\x1bS\x01\x1b\x32X"s);
}

TEST(CleanPushedText, KeepsASequenceSplitOverTwoChunks) {
    const std::string first = "AB\x1bR\x01"s;
    const std::string second = "\x1b\x32"
                               "CD"s;
    EXPECT_EQ(CleanPushedText(first) + CleanPushedText(second), first + second);
}

TEST(CleanPushedText, SearchesWhatTheLongSequenceLeavesForTheShortOne) {
    // Taking out the six bytes joins ESC R 01 ESC and "2" into the five-byte sequence.
    EXPECT_EQ(CleanPushedText("\x1bR\x01\x1b"
                              "\x1bR\x01\x1b\x32\x0f"
                              "2X"s),
              "X");
}

TEST(CleanPushedText, DropsLineFeedsAndEndsLinesWithCrLf) {
    EXPECT_EQ(CleanPushedText("A\r\nB\r\n"), "A\r\nB\r\n");
    EXPECT_EQ(CleanPushedText("A\nB"), "AB");
    EXPECT_EQ(CleanPushedText("A\rB\r"), "A\r\nB\r\n");
    EXPECT_EQ(CleanPushedText("\n\r\n\n"), "\r\n");
}

TEST(CleanPushedText, KeepsEveryOtherByteAsItIs) {
    std::string bytes;
    for (int c = 0; c < 256; ++c)
        if (c != '\r' && c != '\n')
            bytes += static_cast<char>(c);
    EXPECT_EQ(CleanPushedText(bytes), bytes);
}

TEST(RemoveIgnoringCase, RemovesNonOverlappingMatchesLeftToRight) {
    EXPECT_EQ(RemoveIgnoringCase("aaa", "aa"), "a");
    EXPECT_EQ(RemoveIgnoringCase("xAbYaBz", "ab"), "xYz");
    EXPECT_EQ(RemoveIgnoringCase("abc", ""), "abc");
    EXPECT_EQ(RemoveIgnoringCase("a", "abc"), "a");
}

} // namespace
} // namespace orvane
