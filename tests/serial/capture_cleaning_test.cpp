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

TEST(CleanPushedText, KeepsEveryOtherByte) {
    std::string bytes;
    for (int c = 0; c < 256; ++c)
        if (c != '\r' && c != '\n')
            bytes += static_cast<char>(c);
    EXPECT_EQ(CleanPushedText(bytes), bytes);
}

// A serial adapter cuts a transmission anywhere: cut at any byte, in two or into single
// bytes, it is cleaned to the text of the whole.
TEST(PushedTextCleaner, GivesTheTextOfTheWholeTransmissionWhereverItIsCut) {
    for (const std::string& transmission : {
             "A\x1bR\x01\x1b\x32\x0f"s + "B\r\nC",
             "\x1br\x01\x1b\x32"s + "X\x0fY", // no SI right after: the SI stays
             "\x1bR\x01\x1b"s + "\x1bR\x01\x1b\x32\x0f"s + "2Z",
             "AB\x1bR\x01"s,            // ends inside a sequence: let go at the end
             "Q\x1bR\x01\x1b\x32"s,     // ends on a whole one, which may yet take its SI
             "\x1b\x1bR\x01\x1b\x1bR"s, // starts that come to nothing
         }) {
        SCOPED_TRACE(::testing::PrintToString(transmission));
        const std::string whole = CleanPushedText(transmission);
        for (std::size_t cut = 0; cut <= transmission.size(); ++cut) {
            PushedTextCleaner cleaner;
            std::string text = cleaner.Take(transmission.substr(0, cut));
            text += cleaner.Take(transmission.substr(cut));
            EXPECT_EQ(text + cleaner.Finish(), whole) << "cut at " << cut;
        }
        PushedTextCleaner cleaner;
        std::string text;
        for (const char byte : transmission)
            text += cleaner.Take(std::string(1, byte));
        EXPECT_EQ(text + cleaner.Finish(), whole) << "byte by byte";
    }
}

TEST(RemoveIgnoringCase, RemovesNonOverlappingMatchesLeftToRight) {
    EXPECT_EQ(RemoveIgnoringCase("aaa", "aa"), "a");
    EXPECT_EQ(RemoveIgnoringCase("xAbYaBz", "ab"), "xYz");
    EXPECT_EQ(RemoveIgnoringCase("abc", ""), "abc");
    EXPECT_EQ(RemoveIgnoringCase("a", "abc"), "a");
}

} // namespace
} // namespace orvane
