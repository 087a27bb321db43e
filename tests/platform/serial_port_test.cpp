// The port without a device behind it: settings, COM numbers, failed opens, and the
// undoing of the line marks on what a device sends.

#include "platform/qt_serial_port.h"

#include "support/fakes.h"
#include "support/scoped_env.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

TEST(SerialPortSettingsTest, ReadBackWithTheParityInLowerCaseAndRefusedOnesSayWhy) {
    QtSerialPort port;
    EXPECT_EQ(port.Settings(), "9600,n,8,1");
    const std::pair<const char*, const char*> kept[] = {
        {"4800,o,5,1", "4800,o,5,1"},
        {" 38400 , N , 8 , 1 ", "38400,n,8,1"},
        {"19200,E,7,2", "19200,e,7,2"},
    };
    for (const auto& [settings, readBack] : kept) {
        EXPECT_TRUE(port.SetSettings(settings)) << settings;
        EXPECT_EQ(port.Settings(), readBack);
    }
    const std::pair<const char*, const char*> refused[] = {
        {"9600,N,4,1", "4 data bits are not supported"},
        {"9600,N,9,1", "must be 5, 6, 7 or 8"},
        {"9600,X,8,1", "must be E (even), N (none) or O (odd)"},
        {"9600,None,8,1", "must be E (even), N (none) or O (odd)"},
        {"fast,N,8,1", "is not a baud rate"},
        {"0,N,8,1", "is not a baud rate"},
        {"-9600,N,8,1", "is not a baud rate"},
        {"9600,N,8,1.5", "must be 1 or 2"},
        {"9600,N,8", "such as 9600,N,8,1"},
        {"9600,N,8,1,1", "such as 9600,N,8,1"},
        {"", "such as 9600,N,8,1"},
    };
    for (const auto& [settings, reason] : refused) {
        EXPECT_FALSE(port.SetSettings(settings)) << settings;
        EXPECT_NE(port.LastError().find(reason), std::string::npos)
            << settings << ": " << port.LastError();
        EXPECT_EQ(port.Settings(), "19200,e,7,2") << settings;
    }
    ASSERT_TRUE(port.SetSettings("1200,N,8,1"));
    EXPECT_EQ(port.LastError(), "");
}

TEST(SerialPortSettingsTest, PortNumbersOutOfRangeAreRefusedAndThePreviousOneStays) {
    QtSerialPort port;
    ASSERT_TRUE(port.SetCommPort(6));
    EXPECT_FALSE(port.SetCommPort(0));
    EXPECT_FALSE(port.SetCommPort(256));
    EXPECT_EQ(port.CommPort(), 6);
    EXPECT_NE(port.LastError().find("from 1 to 255"), std::string::npos) << port.LastError();
}

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

class SerialPortOpenFailureTest : public ::testing::Test {
  protected:
    // The message of a failed open of COM<number>, linked to `device` unless that is empty.
    std::string OpenFailure(int number, const fs::path& device = {}) {
        if (!device.empty()) {
            fs::create_directories(portsFolder_);
            fs::create_symlink(device, portsFolder_ / ("COM" + std::to_string(number)));
        }
        EXPECT_TRUE(port_.SetCommPort(number));
        EXPECT_FALSE(port_.Open());
        EXPECT_FALSE(port_.IsOpen());
        return port_.LastError();
    }

    testing::TempDir config_;
    testing::ScopedEnv xdg_{"XDG_CONFIG_HOME", config_.str().c_str()};
    fs::path portsFolder_ = config_.path() / "Kavrel" / "ports";
    QtSerialPort port_;
};

TEST_F(SerialPortOpenFailureTest, EachFailureSaysWhatIsWrongAndWhatToDo) {
    const auto hint = [&](const std::string& com) {
        return "Plug the adapter in, or map COM " + com +
               " to an existing device: ln -sf /dev/ttyUSB0 " +
               (portsFolder_ / ("COM" + com)).string();
    };
    EXPECT_EQ(OpenFailure(3, "/nonexistent/ttyUSB9"),
              "COM 3 is mapped to /nonexistent/ttyUSB9, which does not exist. " + hint("3"));
    EXPECT_EQ(OpenFailure(250), "COM 250 is not mapped to a device. " + hint("250"));
    const fs::path notAPort = config_.path() / "notes.txt";
    testing::WriteFile(notAPort, "text");
    const std::string refused = OpenFailure(4, notAPort);
    EXPECT_TRUE(refused.starts_with("Cannot open " + notAPort.string() + " (COM 4): ")) << refused;
}

TEST_F(SerialPortOpenFailureTest, PermissionDeniedTellsWhichGroupToJoin) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root opens any device";
    const fs::path locked = config_.path() / "ttyLOCKED";
    testing::WriteFile(locked, "");
    fs::permissions(locked, fs::perms::none);
    const std::string denied = OpenFailure(5, locked);
    EXPECT_NE(
        denied.find("Permission denied on " + locked.string() + ". Add your user to the group '"),
        std::string::npos)
        << denied;
    EXPECT_NE(denied.find("$USER) and log in again."), std::string::npos) << denied;
}

} // namespace
} // namespace orvane
