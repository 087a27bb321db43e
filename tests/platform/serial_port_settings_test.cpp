#include "platform/qt_serial_port.h"

#include "support/fakes.h"
#include "support/scoped_env.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnv;
using testing::TempDir;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(SerialPortSettingsTest, ReadsBackWithTheParityLetterInLowerCase) {
    QtSerialPort port;
    EXPECT_EQ(port.Settings(), "9600,n,8,1");
    ASSERT_TRUE(port.SetSettings("19200,E,7,2"));
    EXPECT_EQ(port.Settings(), "19200,e,7,2");
    ASSERT_TRUE(port.SetSettings("4800,o,5,1"));
    EXPECT_EQ(port.Settings(), "4800,o,5,1");
    ASSERT_TRUE(port.SetSettings(" 38400 , N , 8 , 1 "));
    EXPECT_EQ(port.Settings(), "38400,n,8,1");
    EXPECT_EQ(port.LastError(), "");
}

TEST(SerialPortSettingsTest, RefusedSettingsSayWhyAndKeepThePreviousOnes) {
    const struct {
        const char* settings;
        const char* reason;
    } refused[] = {
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
    QtSerialPort port;
    ASSERT_TRUE(port.SetSettings("2400,E,7,1"));
    for (const auto& [settings, reason] : refused) {
        EXPECT_FALSE(port.SetSettings(settings)) << settings;
        EXPECT_TRUE(Contains(port.LastError(), reason)) << settings << ": " << port.LastError();
        EXPECT_EQ(port.Settings(), "2400,e,7,1") << settings;
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
    EXPECT_TRUE(Contains(port.LastError(), "from 1 to 255"));
}

TEST(SerialPortSettingsTest, InputModeIsKept) {
    QtSerialPort port;
    EXPECT_EQ(port.CurrentInputMode(), InputMode::Text);
    port.SetInputMode(InputMode::Binary);
    EXPECT_EQ(port.CurrentInputMode(), InputMode::Binary);
}

class SerialPortOpenFailureTest : public ::testing::Test {
  protected:
    void Link(int number, const fs::path& device) {
        fs::create_directories(portsFolder_);
        fs::create_symlink(device, portsFolder_ / ("COM" + std::to_string(number)));
    }

    TempDir config_;
    ScopedEnv xdg_{"XDG_CONFIG_HOME", config_.str().c_str()};
    fs::path portsFolder_ = config_.path() / "Kavrel" / "ports";
    QtSerialPort port_;
};

TEST_F(SerialPortOpenFailureTest, AMissingDeviceIsNamedWithHowToMapTheNumber) {
    Link(3, "/nonexistent/ttyUSB9");
    ASSERT_TRUE(port_.SetCommPort(3));
    EXPECT_FALSE(port_.Open());
    EXPECT_FALSE(port_.IsOpen());
    EXPECT_TRUE(Contains(port_.LastError(),
                         "COM 3 is mapped to /nonexistent/ttyUSB9, which does not exist."))
        << port_.LastError();
    EXPECT_TRUE(
        Contains(port_.LastError(), "ln -sf /dev/ttyUSB0 " + (portsFolder_ / "COM3").string()))
        << port_.LastError();
}

TEST_F(SerialPortOpenFailureTest, ANumberNothingReachesSaysSo) {
    ASSERT_TRUE(port_.SetCommPort(250));
    EXPECT_FALSE(port_.Open());
    EXPECT_TRUE(Contains(port_.LastError(), "COM 250 is not mapped to a device."))
        << port_.LastError();
}

TEST_F(SerialPortOpenFailureTest, AFileThatIsNoSerialPortIsRefused) {
    const fs::path notAPort = config_.path() / "notes.txt";
    testing::WriteFile(notAPort, "text");
    Link(4, notAPort);
    ASSERT_TRUE(port_.SetCommPort(4));
    EXPECT_FALSE(port_.Open());
    EXPECT_FALSE(port_.IsOpen());
    EXPECT_TRUE(Contains(port_.LastError(), "Cannot open " + notAPort.string() + " (COM 4)"))
        << port_.LastError();
}

TEST_F(SerialPortOpenFailureTest, PermissionDeniedTellsWhichGroupToJoin) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root opens any device";
    const fs::path locked = config_.path() / "ttyLOCKED";
    testing::WriteFile(locked, "");
    fs::permissions(locked, fs::perms::none);
    Link(5, locked);
    ASSERT_TRUE(port_.SetCommPort(5));
    EXPECT_FALSE(port_.Open());
    EXPECT_TRUE(Contains(port_.LastError(), "Permission denied on " + locked.string() +
                                                ". Add your user to the group '"))
        << port_.LastError();
    EXPECT_TRUE(Contains(port_.LastError(), "$USER) and log in again.")) << port_.LastError();
}

} // namespace
} // namespace orvane
