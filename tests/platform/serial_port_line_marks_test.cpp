#include "platform/qt_serial_port.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace std::string_literals;

TEST(LineMarkDecoderTest, UndoesTheMarksAlsoWhenCutBetweenReads) {
    const struct {
        std::vector<std::string> reads;
        std::string data;
        int breaks;
        const char* what;
    } rows[] = {
        {{"\x1BK\x02\x00\x80\x01 text\r\n"s}, "\x1BK\x02\x00\x80\x01 text\r\n"s, 0, "plain bytes"},
        {{"A\xFF\xFFZ"}, "A\xFFZ", 0, "FF FF is one data byte FF"},
        {{"\xFF\xFF\xFF\xFF"}, "\xFF\xFF", 0, "two data bytes FF"},
        {{"AQ\xFF\x00\x00Y\xFF\x00\x00"s}, "AQY", 2, "FF 00 00 is a break"},
        {{"A\xFF\x00ZQ"s}, "AQ", 0, "a byte with a line error is dropped"},
        {{"A\xFF", "\xFFZ"}, "A\xFFZ", 0, "a doubled mark cut between reads"},
        {{"A\xFF", "\x00"s, "\x00Z"s}, "AZ", 1, "a break cut between reads"},
    };
    for (const auto& [reads, data, breaks, what] : rows) {
        LineMarkDecoder decoder;
        std::string decoded;
        int counted = 0;
        for (const std::string& read : reads)
            counted += decoder.Decode(read, decoded);
        EXPECT_EQ(decoded, data) << what;
        EXPECT_EQ(counted, breaks) << what;
    }
}

TEST(LineMarkDecoderTest, ResetForgetsAHalfMark) {
    LineMarkDecoder decoder;
    std::string bytes;
    decoder.Decode("\xFF", bytes);
    decoder.Reset();
    decoder.Decode("\xFF\xFFZ", bytes);
    EXPECT_EQ(bytes, "\xFFZ");
}

} // namespace
} // namespace orvane
