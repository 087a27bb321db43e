#include "platform/qt_serial_port.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace std::string_literals;

struct Decoded {
    std::string bytes;
    int breaks = 0;
};

Decoded DecodeAll(std::initializer_list<std::string> chunks) {
    LineMarkDecoder decoder;
    Decoded result;
    for (const std::string& chunk : chunks)
        result.breaks += decoder.Decode(chunk, result.bytes);
    return result;
}

TEST(LineMarkDecoderTest, PlainBytesPassUnchanged) {
    const Decoded decoded = DecodeAll({"\x1BK\x02\x00\x80\x01 text\r\n"s});
    EXPECT_EQ(decoded.bytes, "\x1BK\x02\x00\x80\x01 text\r\n"s);
    EXPECT_EQ(decoded.breaks, 0);
}

TEST(LineMarkDecoderTest, ADoubledMarkIsOneDataByteFF) {
    EXPECT_EQ(DecodeAll({"A\xFF\xFF"
                         "B"s})
                  .bytes,
              "A\xFF"
              "B"s);
    EXPECT_EQ(DecodeAll({"\xFF\xFF\xFF\xFF"s}).bytes, "\xFF\xFF"s);
}

TEST(LineMarkDecoderTest, MarkZeroZeroIsABreakAndNoData) {
    const Decoded decoded = DecodeAll({"AB\xFF\x00\x00"
                                       "C\xFF\x00\x00"s});
    EXPECT_EQ(decoded.bytes, "ABC");
    EXPECT_EQ(decoded.breaks, 2);
}

TEST(LineMarkDecoderTest, AByteWithALineErrorIsDropped) {
    const Decoded decoded = DecodeAll({"A\xFF\x00Z"
                                       "B"s});
    EXPECT_EQ(decoded.bytes, "AB");
    EXPECT_EQ(decoded.breaks, 0);
}

TEST(LineMarkDecoderTest, MarksCutBetweenReadsAreCompletedByTheNextRead) {
    EXPECT_EQ(DecodeAll({"A\xFF"s, "\xFF"
                                   "B"s})
                  .bytes,
              "A\xFF"
              "B"s);
    const Decoded cutBreak = DecodeAll({"A\xFF"s, "\x00"s,
                                        "\x00"
                                        "B"s});
    EXPECT_EQ(cutBreak.bytes, "AB");
    EXPECT_EQ(cutBreak.breaks, 1);
}

TEST(LineMarkDecoderTest, ResetForgetsAHalfMark) {
    LineMarkDecoder decoder;
    std::string bytes;
    decoder.Decode("\xFF"s, bytes);
    decoder.Reset();
    decoder.Decode("\xFF\xFF"
                   "A"s,
                   bytes);
    EXPECT_EQ(bytes, "\xFF"
                     "A"s);
}

} // namespace
} // namespace orvane
