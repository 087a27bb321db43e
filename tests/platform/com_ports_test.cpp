#include "platform/com_ports.h"

#include "support/fakes.h"
#include "support/scoped_env.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnv;
using testing::TempDir;
using testing::WriteFile;

class ComPortsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(places_.deviceFolder);
        for (const char* device : {"ttyS1", "ttyS0", "ttyUSB10", "ttyUSB2", "ttyACM0", "ttyUSB0",
                                   "tty0", "ttyS", "ttySx1", "console"})
            WriteFile(places_.deviceFolder / device, "");
    }

    std::string Device(const char* name) const { return (places_.deviceFolder / name).string(); }

    TempDir temp_;
    ComPortPlaces places_{temp_.path() / "Kavrel" / "ports", temp_.path() / "dev"};
};

TEST_F(ComPortsTest, DefaultListPutsUsbAdaptersFirstThenBuiltInPortsInNumericOrder) {
    EXPECT_EQ(DefaultDeviceList(places_.deviceFolder),
              (std::vector<std::string>{Device("ttyUSB0"), Device("ttyUSB2"), Device("ttyUSB10"),
                                        Device("ttyACM0"), Device("ttyS0"), Device("ttyS1")}));
}

TEST_F(ComPortsTest, WithoutLinksNumbersFollowTheDefaultList) {
    EXPECT_EQ(ResolveComPort(1, places_).devicePath, Device("ttyUSB0"));
    EXPECT_EQ(ResolveComPort(1, places_).source, ComPortSource::DefaultList);
    EXPECT_EQ(ResolveComPort(5, places_).devicePath, Device("ttyS0"));
    EXPECT_EQ(ResolveComPort(7, places_).source, ComPortSource::None);
    EXPECT_EQ(ResolveComPort(0, places_).source, ComPortSource::None);
    EXPECT_EQ(DescribeComPort(5, places_), "COM 5 -> " + Device("ttyS0") + " (default)");
}

TEST_F(ComPortsTest, ALinkInThePortsFolderWinsOverTheDefaultList) {
    std::string error;
    ASSERT_TRUE(PointComPortAt(1, "/dev/pts/9", error, places_)) << error;
    EXPECT_EQ(ResolveComPort(1, places_).devicePath, "/dev/pts/9");
    EXPECT_EQ(ResolveComPort(1, places_).source, ComPortSource::Link);
    EXPECT_EQ(DescribeComPort(1, places_), "COM 1 -> /dev/pts/9 (link)");
    EXPECT_EQ(ResolveComPort(2, places_).devicePath, Device("ttyUSB2"));
}

TEST_F(ComPortsTest, PointingAgainReplacesTheLinkAndLeavesNothingElseBehind) {
    std::string error;
    ASSERT_TRUE(PointComPortAt(3, "/dev/ttyUSB0", error, places_)) << error;
    ASSERT_TRUE(PointComPortAt(3, "/dev/ttyACM1", error, places_)) << error;
    EXPECT_EQ(ResolveComPort(3, places_).devicePath, "/dev/ttyACM1");
    EXPECT_EQ(std::distance(fs::directory_iterator(places_.portsFolder), fs::directory_iterator()),
              1);
}

TEST_F(ComPortsTest, ALinkToAMissingDeviceStillNamesItSoTheOpenCanSaySo) {
    fs::create_directories(places_.portsFolder);
    fs::create_symlink("/dev/ttyUSB7", places_.portsFolder / "COM2");
    EXPECT_EQ(ResolveComPort(2, places_).devicePath, "/dev/ttyUSB7");
    EXPECT_EQ(ResolveComPort(2, places_).source, ComPortSource::Link);
}

TEST_F(ComPortsTest, ARelativeLinkIsTakenFromThePortsFolder) {
    fs::create_directories(places_.portsFolder);
    fs::create_symlink("../../dev/ttyS1", places_.portsFolder / "COM4");
    EXPECT_EQ(ResolveComPort(4, places_).devicePath, Device("ttyS1"));
}

TEST_F(ComPortsTest, ADeviceNodeNamedLikeThePortIsUsedItself) {
    fs::create_directories(places_.portsFolder);
    WriteFile(places_.portsFolder / "COM2", "");
    const std::string entry = (places_.portsFolder / "COM2").string();
    EXPECT_EQ(ResolveComPort(2, places_).devicePath, entry);
    EXPECT_EQ(DescribeComPort(2, places_), "COM 2 -> " + entry + " (device)");
}

TEST_F(ComPortsTest, AnUnreachedNumberSaysWhereItsLinkWouldGo) {
    EXPECT_EQ(DescribeComPort(9, places_),
              "COM 9 -> no device (link one as " + (places_.portsFolder / "COM9").string() + ")");
}

TEST_F(ComPortsTest, PointingRefusesRelativePathsAndNumbersOutOfRange) {
    std::string error;
    EXPECT_FALSE(PointComPortAt(1, "ttyUSB0", error, places_));
    EXPECT_NE(error.find("full path"), std::string::npos);
    EXPECT_FALSE(PointComPortAt(0, "/dev/ttyUSB0", error, places_));
    EXPECT_FALSE(PointComPortAt(256, "/dev/ttyUSB0", error, places_));
    EXPECT_FALSE(fs::exists(places_.portsFolder / "COM0"));
}

TEST_F(ComPortsTest, PointingRefusesToReplaceAFolder) {
    fs::create_directories(places_.portsFolder / "COM5");
    std::string error;
    EXPECT_FALSE(PointComPortAt(5, "/dev/ttyUSB0", error, places_));
    EXPECT_NE(error.find("is a folder"), std::string::npos);
}

TEST(ComPortPlacesTest, PortsFolderFollowsXdgConfigHomeAndElseHome) {
    TempDir temp;
    const ScopedEnv home("HOME", temp.str().c_str());
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", "/somewhere/config");
        EXPECT_EQ(DefaultComPortPlaces().portsFolder, fs::path("/somewhere/config/Kavrel/ports"));
    }
    {
        // A relative XDG_CONFIG_HOME is not to be used.
        const ScopedEnv xdg("XDG_CONFIG_HOME", "relative/config");
        EXPECT_EQ(DefaultComPortPlaces().portsFolder, temp.path() / ".config/Kavrel/ports");
    }
    const ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(DefaultComPortPlaces().portsFolder, temp.path() / ".config/Kavrel/ports");
    EXPECT_EQ(DefaultComPortPlaces().deviceFolder, fs::path("/dev"));
}

} // namespace
} // namespace orvane
