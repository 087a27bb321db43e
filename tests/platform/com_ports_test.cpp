#include "platform/com_ports.h"

#include "support/fakes.h"
#include "support/scoped_env.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;

// COM numbers in a ports folder and a device folder of the test's own.
TEST(ComPortsTest, ALinkOrDeviceInThePortsFolderWinsOverTheDefaultList) {
    const testing::TempDir temp;
    const ComPortPlaces places{temp.path() / "Kavrel" / "ports", temp.path() / "dev"};
    fs::create_directories(places.deviceFolder);
    fs::create_directories(places.portsFolder);
    for (const char* device : {"ttyS1", "ttyS0", "ttyUSB10", "ttyUSB2", "ttyACM0", "ttyUSB0",
                               "tty0", "ttyS", "ttySx1", "console"})
        testing::WriteFile(places.deviceFolder / device, "");
    const auto device = [&](const char* name) { return (places.deviceFolder / name).string(); };
    EXPECT_EQ(DefaultDeviceList(places.deviceFolder),
              (std::vector{device("ttyUSB0"), device("ttyUSB2"), device("ttyUSB10"),
                           device("ttyACM0"), device("ttyS0"), device("ttyS1")}));
    EXPECT_EQ(ResolveComPort(0, places).source, ComPortSource::None);

    std::string error;
    ASSERT_TRUE(PointComPortAt(1, "/dev/pts/9", error, places)) << error;
    ASSERT_TRUE(PointComPortAt(1, "/dev/ttyACM1", error, places)) << error; // replaces it
    fs::create_symlink("../../dev/ttyS1", places.portsFolder / "COM4");     // from the ports folder
    testing::WriteFile(places.portsFolder / "COM2", "");
    const std::pair<int, std::string> described[] = {
        // A link needs no device behind it, so that the open can name what is missing.
        {1, "COM 1 -> /dev/ttyACM1 (link)"},
        {2, "COM 2 -> " + (places.portsFolder / "COM2").string() + " (device)"},
        {3, "COM 3 -> " + device("ttyUSB10") + " (default)"},
        {4, "COM 4 -> " + device("ttyS1") + " (link)"},
        {5, "COM 5 -> " + device("ttyS0") + " (default)"},
        {7, "COM 7 -> no device (link one as " + (places.portsFolder / "COM7").string() + ")"},
    };
    for (const auto& [number, description] : described)
        EXPECT_EQ(DescribeComPort(number, places), description);

    EXPECT_FALSE(PointComPortAt(1, "ttyUSB0", error, places));
    EXPECT_NE(error.find("full path"), std::string::npos) << error;
    EXPECT_FALSE(PointComPortAt(0, "/dev/ttyUSB0", error, places));
    EXPECT_FALSE(PointComPortAt(256, "/dev/ttyUSB0", error, places));
    EXPECT_NE(error.find("from 1 to 255"), std::string::npos) << error;
    fs::create_directories(places.portsFolder / "COM5");
    EXPECT_FALSE(PointComPortAt(5, "/dev/ttyUSB0", error, places));
    EXPECT_NE(error.find("is a folder"), std::string::npos) << error;
    EXPECT_EQ(std::distance(fs::directory_iterator(places.portsFolder), fs::directory_iterator()),
              4)
        << "COM1, COM2, COM4, COM5: nothing left behind";
}

TEST(ComPortsTest, PortsFolderFollowsAnAbsoluteXdgConfigHomeAndElseHome) {
    const testing::TempDir temp;
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
