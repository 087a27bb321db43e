// The serial port: the devices behind COM numbers, its settings, the undoing of the line
// marks, failed opens, and the port on a pseudo-terminal whose far end the test writes. And
// the lock on a loaded index. (POSIX only.)

#include "platform/com_ports.h"
#include "platform/qt_file_locks.h"
#include "platform/qt_serial_port.h"

#include "support/fakes.h"
#include "support/qt_application.h"
#include "support/scoped_env.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSysInfo>
#include <QTimer>
#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

constexpr int HangGuardMs = 20000;

TEST(SerialPortSettingsTest, ReadBackWithTheParityInLowerCaseAndRefusedOnesSayWhy) {
    QtSerialPort port;
    EXPECT_EQ(port.Settings(), "9600,n,8,1");
    ASSERT_TRUE(port.SetSettings(" 38400 , o , 5 , 1 "));
    EXPECT_EQ(port.Settings(), "38400,o,5,1");
    ASSERT_TRUE(port.SetSettings("19200,E,7,2"));
    const std::pair<const char*, const char*> refused[] = {
        {"9600,N,4,1", "4 data bits are not supported"},
        {"9600,N,9,1", "must be 5, 6, 7 or 8"},
        {"9600,None,8,1", "must be E (even), N (none) or O (odd)"},
        {"fast,N,8,1", "is not a baud rate"},

        {"9600,N,8,1.5", "must be 1 or 2"},

        {"9600,N,8,1,1", "such as 9600,N,8,1"},
        {"", "such as 9600,N,8,1"}};
    for (const auto& [settings, reason] : refused) {
        EXPECT_FALSE(port.SetSettings(settings)) << settings;
        EXPECT_NE(port.LastError().find(reason), std::string::npos) << port.LastError();
        EXPECT_EQ(port.Settings(), "19200,e,7,2") << settings;
    }
    EXPECT_TRUE(port.SetSettings("1200,N,8,1") && port.LastError().empty()) << port.LastError();
    EXPECT_TRUE(port.SetCommPort(6) && !port.SetCommPort(0) && !port.SetCommPort(256) &&
                port.CommPort() == 6);
    EXPECT_NE(port.LastError().find("from 1 to 255"), std::string::npos) << port.LastError();
}

TEST(LineMarkDecoderTest, UndoesTheMarksAlsoWhenCutBetweenReads) {
    const std::tuple<std::vector<std::string>, std::string, int, const char*> rows[] = {
        {{"\x1BK\x02\x00\x80\x01 text\r\n"s}, "\x1BK\x02\x00\x80\x01 text\r\n"s, 0, "plain bytes"},
        {{"A\xFF\xFFZ"}, "A\xFFZ", 0, "FF FF is one data byte FF"},
        {{"\xFF\xFF\xFF\xFF"}, "\xFF\xFF", 0, "two data bytes FF"},
        {{"AQ\xFF\x00\x00Y\xFF\x00\x00"s}, "AQY", 2, "FF 00 00 is a break"},
        {{"A\xFF\x00ZQ"s}, "AQ", 0, "a byte with a line error is dropped"},
        {{"A\xFF", "\xFFZ"}, "A\xFFZ", 0, "a doubled mark cut between reads"},
        {{"A\xFF", "\x00"s, "\x00Z"s}, "AZ", 1, "a break cut between reads"},
        {{"\xFF", "", "\xFF\xFFZ"}, "\xFFZ", 0, "a reset (the empty read) forgets a half mark"}};
    for (const auto& [reads, data, breaks, what] : rows) {
        LineMarkDecoder decoder;
        std::string decoded;
        int counted = 0;
        for (const std::string& read : reads)
            read.empty() ? decoder.Reset() : void(counted += decoder.Decode(read, decoded));
        EXPECT_EQ(std::pair(decoded, counted), std::pair(data, breaks)) << what;
    }
}

// COM numbers in a ports folder and a device folder of the test's own: a link or a device
// node in the ports folder, else the n-th device of the default list.
TEST(ComPortsTest, ALinkOrDeviceInThePortsFolderWinsOverTheDefaultList) {
    const testing::TempDir temp;
    const ComPortPlaces places{temp.path() / "Kavrel" / "ports", temp.path() / "dev"};
    fs::create_directories(places.deviceFolder);
    fs::create_directories(places.portsFolder);
    for (const char* device : {"ttyS1", "ttyS0", "ttyUSB10", "ttyUSB2", "ttyACM0", "ttyUSB0",
                               "tty0", "ttyS", "ttySx1", "console"})
        testing::WriteFile(places.deviceFolder / device, "");
    std::string error;
    ASSERT_TRUE(PointComPortAt(1, "/dev/pts/9", error, places)) << error;
    ASSERT_TRUE(PointComPortAt(1, "/dev/ttyACM1", error, places)) << error; // replaces it
    fs::create_symlink("../../dev/ttyS1", places.portsFolder / "COM4");
    testing::WriteFile(places.portsFolder / "COM2", "");
    const std::string dev = places.deviceFolder.string() + "/", ports = places.portsFolder.string();
    const std::pair<int, std::string> described[] = {
        // A link needs no device behind it, so that the open can name what is missing.
        {1, "COM 1 -> /dev/ttyACM1 (link)"},
        {2, "COM 2 -> " + ports + "/COM2 (device)"},
        {3, "COM 3 -> " + dev + "ttyUSB10 (default)"}, // after ttyUSB0 and ttyUSB2
        {4, "COM 4 -> " + dev + "ttyS1 (link)"},       // relative to the ports folder
        {5, "COM 5 -> " + dev + "ttyS0 (default)"},    // after ttyACM0
        {6, "COM 6 -> " + dev + "ttyS1 (default)"},
        {7, "COM 7 -> no device (link one as " + ports + "/COM7)"}};
    for (const auto& [number, description] : described)
        EXPECT_EQ(DescribeComPort(number, places), description);

    fs::create_directories(places.portsFolder / "COM5");
    const std::tuple<int, const char*, const char*> refused[] = {
        {1, "ttyUSB0", "full path"},
        {0, "/dev/ttyUSB0", "from 1 to 255"},
        {256, "/dev/ttyUSB0", "from 1 to 255"},
        {5, "/dev/ttyUSB0", "is a folder"}};
    for (const auto& [number, device, reason] : refused) {
        EXPECT_FALSE(PointComPortAt(number, device, error, places)) << number;
        EXPECT_NE(error.find(reason), std::string::npos) << error;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(places.portsFolder), fs::directory_iterator()),
              4)
        << "COM1, COM2, COM4, COM5: nothing left behind";
}

// A port whose COM numbers are linked in a ports folder of the test's own; it notes each
// break ("break") and lost link (the reason) it reports.
class SerialPortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(testing::EnsureQtApplication());
        QObject::connect(&port_, &QtSerialPort::breakReceived,
                         [this] { told_.push_back("break"); });
        QObject::connect(&port_, &QtSerialPort::linkLost,
                         [this](const QString& reason) { told_.push_back(reason.toStdString()); });
    }
    void TearDown() override {
        if (master_ >= 0)
            ::close(master_);
    }

    // The message of a failed open of COM<number>, linked to `device` unless that is empty.
    std::string OpenFailure(int number, const fs::path& device = {}) {
        if (!device.empty()) {
            fs::create_directories(portsFolder_);
            fs::create_symlink(device, portsFolder_ / ("COM" + std::to_string(number)));
        }
        EXPECT_TRUE(port_.SetCommPort(number));
        EXPECT_FALSE(port_.Open() || port_.IsOpen());
        return port_.LastError();
    }

    // Opens the port on COM 9, a pseudo-terminal whose far end the test writes.
    void OpenPty() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        char name[128];
        ASSERT_TRUE(master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0 &&
                    ::ptsname_r(master_, name, sizeof name) == 0);
        device_ = name;
        std::string error;
        ASSERT_TRUE(PointComPortAt(9, device_, error)) << error;
        ASSERT_TRUE(port_.SetCommPort(9));
        port_.SetRts(true); // a pseudo-terminal has no RTS line; that must not fail the open
        ASSERT_TRUE(port_.Open()) << port_.LastError();
        ASSERT_NE(line_ = port_.findChild<QSerialPort*>(), nullptr);
    }

    testing::TempDir config_;
    testing::ScopedEnv xdg_{"XDG_CONFIG_HOME", config_.str().c_str()};
    fs::path portsFolder_ = config_.path() / "Kavrel" / "ports";
    QtSerialPort port_;
    std::vector<std::string> told_;
    int master_ = -1;
    std::string device_;
    const QSerialPort* line_ = nullptr;
};

TEST_F(SerialPortTest, EachFailedOpenSaysWhatIsWrongAndWhatToDo) {
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

TEST_F(SerialPortTest, PermissionDeniedTellsWhichGroupToJoin) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root opens any device";
    const fs::path locked = config_.path() / "ttyLOCKED";
    testing::WriteFile(locked, "");
    fs::permissions(locked, fs::perms::none);
    const std::string denied = OpenFailure(5, locked);
    EXPECT_TRUE(denied.starts_with("Permission denied on " + locked.string() +
                                   ". Add your user to the group '") &&
                denied.ends_with("$USER) and log in again."))
        << denied;
}

TEST_F(SerialPortTest, OnAPtyReadsEveryByteValueAfterAReopenWithNewSettings) {
    ASSERT_NO_FATAL_FAILURE(OpenPty());
    EXPECT_FALSE(port_.SetCommPort(2)) << "the number cannot change while open";
    // A pseudo-terminal stays at 8 data bits without parity, whatever is asked; that must
    // not keep it from opening.
    port_.Close();
    ASSERT_TRUE(port_.SetSettings("4800,E,7,1"));
    ASSERT_TRUE(port_.Open()) << port_.LastError();
    EXPECT_EQ(line_->baudRate(), 4800);
    ASSERT_TRUE(port_.SetSettings("19200,O,5,2")) << port_.LastError();
    EXPECT_EQ(std::pair(line_->baudRate(), line_->stopBits()),
              std::pair(19200, QSerialPort::TwoStop));
    ASSERT_TRUE(port_.SetSettings("9600,E,8,1")) << port_.LastError();
    // Every byte value arrives unchanged; FF 00 00 must not pass for a break after the parity
    // was set again.
    std::string bytes = "\xFF\x00\x00"s;
    for (int value = 255; value >= 0; --value)
        bytes += static_cast<char>(value);
    ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return port_.InBufferCount() >= bytes.size(); }, HangGuardMs));
    EXPECT_EQ(port_.Read(), bytes);
    EXPECT_TRUE(told_.empty()) << told_[0];
}

// Runs the event loop flat out (QTest's waits sleep between turns, which would hide a storm
// of notifications) until the port reports a lost link, or for `milliseconds` at most.
void RunEventLoop(QtSerialPort& port, int milliseconds) {
    QEventLoop loop;
    QObject::connect(&port, &QtSerialPort::linkLost, &loop, &QEventLoop::quit);
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST_F(SerialPortTest, FarEndGoneClosesThePortAndReportsTheLossOnce) {
    ASSERT_NO_FATAL_FAILURE(OpenPty());
    int readErrors = 0;
    QObject::connect(line_, &QSerialPort::errorOccurred, [&](QSerialPort::SerialPortError error) {
        readErrors += error == QSerialPort::ReadError;
    });
    ::close(std::exchange(master_, -1));
    RunEventLoop(port_, HangGuardMs);
    ASSERT_EQ(told_.size(), 1u);
    RunEventLoop(port_, 300); // a second report, or a storm of read errors, would show here
    EXPECT_TRUE(told_.size() == 1 && !port_.IsOpen() && readErrors < 100) << readErrors;
    EXPECT_TRUE(told_[0].starts_with("The serial device " + device_ + " (COM 9) ")) << told_[0];
}

// Two objects stand for two running copies of the program, which hold an index (like a port)
// one at a time. (A dead copy is made with fork.)
TEST(QtFileLocksTest, OneCopyAtATimeAndALockOfADeadCopyIsTakenOver) {
    ASSERT_TRUE(testing::EnsureQtApplication());
    const testing::TempDir dir;
    const std::string index = (dir.path() / "VESK.ini").string();
    QtFileLocks first, second;
    ASSERT_TRUE(first.Lock(index) && first.Lock(index)) << "held already";
    EXPECT_FALSE(second.Lock(index));
    first.Unlock(index);
    EXPECT_TRUE(second.Lock(index));
    second.Unlock(index);
    const pid_t dead = fork();
    if (dead == 0)
        _exit(0);
    ASSERT_GT(dead, 0);
    waitpid(dead, nullptr, 0);
    const std::string owner = QCoreApplication::applicationName().toStdString() + "\n" +
                              QSysInfo::machineHostName().toStdString() + "\n";
    testing::WriteFile(index + ".lock", std::to_string(dead) + "\n" + owner);
    EXPECT_TRUE(first.Lock(index)) << "the copy that held it has died";
}

} // namespace
} // namespace orvane
