// The port against the simulated test set program, end to end over a pseudo-terminal.
#ifndef _WIN32

#include "platform/com_ports.h"
#include "platform/qt_serial_port.h"

#include "support/fakes.h"
#include "support/pty_testset.h"
#include "support/qt_application.h"
#include "support/scoped_env.h"

#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::PtyTestset;
using testing::ScopedEnv;
using testing::TempDir;

constexpr int HangGuardMs = 20000;

class SerialPortTestsetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (PtyTestset::ProgramPath().empty())
            GTEST_SKIP() << "KAVREL_TESTSET is not set";
        ASSERT_TRUE(testing::EnsureQtApplication());
        QObject::connect(&port_, &QtSerialPort::readyRead, [this] { received_ += port_.Read(); });
        QObject::connect(&port_, &QtSerialPort::linkLost, [this] { ++linkLosses_; });
    }

    bool OpenCom7() { return port_.SetCommPort(7) && port_.Open(); }

    bool Com7IsLinked() const { return fs::is_symlink(portsFolder_ / "COM7"); }

    // Receives everything the test set plays, then sees it go.
    void ExpectPlayedThenLost(const std::vector<std::string>& options) {
        const std::string expected = PtyTestset::Dump(options);
        ASSERT_FALSE(expected.empty());
        PtyTestset testset(options);
        ASSERT_TRUE(testset.Started()) << testset.Failure();
        EXPECT_EQ(DescribeComPort(7), "COM 7 -> " + testset.DevicePath() + " (link)");
        ASSERT_TRUE(OpenCom7()) << port_.LastError();
        testset.PressEnter();

        ASSERT_TRUE(
            QTest::qWaitFor([&] { return received_.size() >= expected.size(); }, HangGuardMs))
            << received_.size() << " of " << expected.size() << " bytes";
        EXPECT_EQ(received_, expected);

        ASSERT_TRUE(QTest::qWaitFor([&] { return linkLosses_ > 0; }, HangGuardMs));
        QTest::qWait(200);
        EXPECT_EQ(linkLosses_, 1);
        EXPECT_FALSE(port_.IsOpen());
        EXPECT_EQ(testset.WaitForExit(10s), 0);
        EXPECT_FALSE(Com7IsLinked());
    }

    TempDir config_;
    ScopedEnv xdg_{"XDG_CONFIG_HOME", config_.str().c_str()};
    fs::path portsFolder_ = config_.path() / "Kavrel" / "ports";
    QtSerialPort port_;
    std::string received_;
    int linkLosses_ = 0;
};

TEST_F(SerialPortTestsetTest, TarnScreensArriveExactlyAndTheTestSetsEndIsOneLostLink) {
    ExpectPlayedThenLost({"--tarn", "--com", "7", "--fast", "--gap", "0.5", "--wait-key"});
}

TEST_F(SerialPortTestsetTest, VeskPrintoutPacedToTheLineArrivesExactly) {
    ExpectPlayedThenLost(
        {"--vesk", "--com", "7", "--baud", "115200", "--gap", "0.5", "--wait-key"});
}

TEST_F(SerialPortTestsetTest, ClosingThePortMidwayEndsTheTestSetAndRemovesItsLink) {
    PtyTestset testset({"--tarn", "--com", "7", "--baud", "1200", "--wait-key", "--ports-dir",
                        portsFolder_.string()});
    ASSERT_TRUE(testset.Started()) << testset.Failure();
    ASSERT_TRUE(OpenCom7()) << port_.LastError();
    testset.PressEnter();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !received_.empty(); }, HangGuardMs));
    port_.Close();
    EXPECT_EQ(testset.WaitForExit(10s), 3);
    EXPECT_FALSE(Com7IsLinked());
    EXPECT_EQ(linkLosses_, 0);
}

TEST_F(SerialPortTestsetTest, TerminatedWhileWaitingForAReaderItRemovesItsLink) {
    PtyTestset testset({"--vesk", "--com", "7"});
    ASSERT_TRUE(testset.Started()) << testset.Failure();
    EXPECT_TRUE(Com7IsLinked());
    EXPECT_EQ(testset.Terminate(), 128 + SIGTERM);
    EXPECT_FALSE(Com7IsLinked());
}

} // namespace
} // namespace orvane

#endif
