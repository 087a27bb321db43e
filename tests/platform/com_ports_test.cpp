#include "platform/com_ports.h"

#include "support/fakes.h"
#include "support/scoped_env.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

class ComPortsTest : public ::testing::Test {
  protected:
    ComPortsTest() {
        fs::create_directories(places_.deviceFolder);
        fs::create_directories(places_.portsFolder);
        for (const char* device : {"ttyS1", "ttyS0", "ttyUSB10", "ttyUSB2", "ttyACM0", "ttyUSB0",
                                   "tty0", "ttyS", "ttySx1", "console"})
            testing::WriteFile(places_.deviceFolder / device, "");
    }
    std::string Device(const char* name) const { return (places_.deviceFolder / name).string(); }
    std::string Entry(const char* name) const { return (places_.portsFolder / name).string(); }

    TempDir temp_;
    ComPortPlaces places_{temp_.path() / "Kavrel" / "ports", temp_.path() / "dev"};
    std::string error_;
};

TEST_F(ComPortsTest, WithoutLinksNumbersFollowTheDefaultList) {
    EXPECT_EQ(DefaultDeviceList(places_.deviceFolder),
              (std::vector<std::string>{Device("ttyUSB0"), Device("ttyUSB2"), Device("ttyUSB10"),
                                        Device("ttyACM0"), Device("ttyS0"), Device("ttyS1")}));
    EXPECT_EQ(DescribeComPort(1, places_), "COM 1 -> " + Device("ttyUSB0") + " (default)");
    EXPECT_EQ(DescribeComPort(5, places_), "COM 5 -> " + Device("ttyS0") + " (default)");
    EXPECT_EQ(DescribeComPort(7, places_),
              "COM 7 -> no device (link one as " + Entry("COM7") + ")");
    EXPECT_EQ(ResolveComPort(0, places_).source, ComPortSource::None);
}

TEST_F(ComPortsTest, ALinkWinsOverTheDefaultListAndPointingAgainReplacesIt) {
    ASSERT_TRUE(PointComPortAt(1, "/dev/pts/9", error_, places_)) << error_;
    EXPECT_EQ(ResolveComPort(1, places_).source, ComPortSource::Link);
    EXPECT_EQ(DescribeComPort(1, places_), "COM 1 -> /dev/pts/9 (link)");
    EXPECT_EQ(ResolveComPort(2, places_).devicePath, Device("ttyUSB2"));

    ASSERT_TRUE(PointComPortAt(1, "/dev/ttyACM1", error_, places_)) << error_;
    EXPECT_EQ(DescribeComPort(1, places_), "COM 1 -> /dev/ttyACM1 (link)")
        << "a link needs no device behind it, so that the open can name what is missing";
    EXPECT_EQ(std::distance(fs::directory_iterator(places_.portsFolder), fs::directory_iterator()),
              1)
        << "nothing left behind";
}

TEST_F(ComPortsTest, ARelativeLinkStartsAtThePortsFolderAndADeviceNodeIsUsedItself) {
    fs::create_symlink("../../dev/ttyS1", places_.portsFolder / "COM4");
    EXPECT_EQ(DescribeComPort(4, places_), "COM 4 -> " + Device("ttyS1") + " (link)");
    testing::WriteFile(places_.portsFolder / "COM2", "");
    EXPECT_EQ(DescribeComPort(2, places_), "COM 2 -> " + Entry("COM2") + " (device)");
}

TEST_F(ComPortsTest, PointingRefusesRelativePathsFoldersAndNumbersOutOfRange) {
    EXPECT_FALSE(PointComPortAt(1, "ttyUSB0", error_, places_));
    EXPECT_NE(error_.find("full path"), std::string::npos) << error_;
    EXPECT_FALSE(PointComPortAt(0, "/dev/ttyUSB0", error_, places_));
    EXPECT_FALSE(PointComPortAt(256, "/dev/ttyUSB0", error_, places_));
    EXPECT_NE(error_.find("from 1 to 255"), std::string::npos) << error_;
    fs::create_directories(places_.portsFolder / "COM5");
    EXPECT_FALSE(PointComPortAt(5, "/dev/ttyUSB0", error_, places_));
    EXPECT_NE(error_.find("is a folder"), std::string::npos) << error_;
    EXPECT_EQ(std::distance(fs::directory_iterator(places_.portsFolder), fs::directory_iterator()),
              1);
}

TEST(ComPortPlacesTest, PortsFolderFollowsAnAbsoluteXdgConfigHomeAndElseHome) {
    TempDir temp;
    const testing::ScopedEnv home("HOME", temp.str().c_str());
    const fs::path fromHome = temp.path() / ".config/Kavrel/ports";
    const std::pair<const char*, fs::path> rows[] = {
        {"/somewhere/config", "/somewhere/config/Kavrel/ports"},
        {"relative/config", fromHome},
        {nullptr, fromHome},
    };
    for (const auto& [xdg, folder] : rows) {
        const testing::ScopedEnv config("XDG_CONFIG_HOME", xdg);
        EXPECT_EQ(DefaultComPortPlaces().portsFolder, folder) << (xdg ? xdg : "unset");
    }
    EXPECT_EQ(DefaultComPortPlaces().deviceFolder, fs::path("/dev"));
}

} // namespace
} // namespace orvane
