// The port on a pseudo-terminal made by the test: the test writes the far end.
#ifndef _WIN32

#include "platform/com_ports.h"
#include "platform/qt_serial_port.h"

#include "support/fakes.h"
#include "support/qt_application.h"
#include "support/scoped_env.h"

#include <QEventLoop>
#include <QTimer>
#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace orvane {
namespace {

using namespace std::string_literals;
using testing::ScopedEnv;
using testing::TempDir;

constexpr int HangGuardMs = 10000;

class SerialPortPtyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(testing::EnsureQtApplication());
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master_, 0);
        char name[128];
        ASSERT_EQ(::grantpt(master_), 0);
        ASSERT_EQ(::unlockpt(master_), 0);
        ASSERT_EQ(::ptsname_r(master_, name, sizeof name), 0);
        device_ = name;
        std::string error;
        ASSERT_TRUE(PointComPortAt(9, device_, error)) << error;

        QObject::connect(&port_, &QtSerialPort::readyRead, [this] { ++readyReads_; });
        QObject::connect(&port_, &QtSerialPort::breakReceived, [this] { ++breaks_; });
        QObject::connect(&port_, &QtSerialPort::linkLost, [this](const QString& reason) {
            ++linkLosses_;
            lossReason_ = reason.toStdString();
        });
        ASSERT_TRUE(port_.SetCommPort(9));
        // A pseudo-terminal has no RTS line; asking for it must not fail the open.
        port_.SetRts(true);
        ASSERT_TRUE(port_.Open()) << port_.LastError();
    }

    void TearDown() override { CloseFarEnd(); }

    void Send(const std::string& bytes) {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    bool WaitForBytes(std::size_t count) {
        return QTest::qWaitFor([&] { return port_.InBufferCount() >= count; }, HangGuardMs);
    }

    void CloseFarEnd() {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }

    TempDir config_;
    ScopedEnv xdg_{"XDG_CONFIG_HOME", config_.str().c_str()};
    int master_ = -1;
    std::string device_;
    QtSerialPort port_;
    int readyReads_ = 0;
    int breaks_ = 0;
    int linkLosses_ = 0;
    std::string lossReason_;
};

TEST_F(SerialPortPtyTest, EveryByteValueArrivesUnchanged) {
    std::string all;
    for (int value = 0; value < 256; ++value)
        all += static_cast<char>(value);
    // FF 00 00 is what a marked break looks like; as data it must stay data.
    all += "\xFF\x00\x00\r\n\r"s;
    Send(all);
    ASSERT_TRUE(WaitForBytes(all.size()));
    EXPECT_EQ(port_.Read(), all);
    EXPECT_GT(readyReads_, 0);
    EXPECT_EQ(breaks_, 0);
    EXPECT_EQ(port_.InBufferCount(), 0u);
}

TEST_F(SerialPortPtyTest, ReadTakesTheAskedCountAndDiscardDropsTheRest) {
    Send("ABCDEFGH");
    ASSERT_TRUE(WaitForBytes(8));
    EXPECT_EQ(port_.Read(1), "A");
    EXPECT_EQ(port_.Read(3), "BCD");
    EXPECT_EQ(port_.InBufferCount(), 4u);
    port_.DiscardInput();
    EXPECT_EQ(port_.InBufferCount(), 0u);
    Send("XY");
    ASSERT_TRUE(WaitForBytes(2));
    EXPECT_EQ(port_.Read(0), "XY");
    EXPECT_EQ(port_.Read(5), "");
}

TEST_F(SerialPortPtyTest, SettingsChangedOnTheOpenPortApplyAndKeepDataIntact) {
    ASSERT_TRUE(port_.SetSettings("19200,N,8,2")) << port_.LastError();
    EXPECT_EQ(port_.Settings(), "19200,n,8,2");
    const auto* line = port_.findChild<QSerialPort*>();
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->baudRate(), 19200);
    EXPECT_EQ(line->stopBits(), QSerialPort::TwoStop);
    ASSERT_TRUE(port_.SetSettings("9600,E,8,1")) << port_.LastError();
    // The data bytes FF 00 00 must not pass for a break after the parity was set again.
    Send("A\xFF\x00\x00"
         "B"s);
    ASSERT_TRUE(WaitForBytes(5));
    EXPECT_EQ(port_.Read(), "A\xFF\x00\x00"
                            "B"s);
    EXPECT_EQ(breaks_, 0);
}

TEST_F(SerialPortPtyTest, SettingsAPseudoTerminalCannotTakeDoNotKeepItFromOpening) {
    // A pseudo-terminal stays at 8 data bits without parity, whatever is asked.
    port_.Close();
    ASSERT_TRUE(port_.SetSettings("4800,E,7,1"));
    ASSERT_TRUE(port_.Open()) << port_.LastError();
    EXPECT_EQ(port_.Settings(), "4800,e,7,1");
    const auto* line = port_.findChild<QSerialPort*>();
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->baudRate(), 4800);
    ASSERT_TRUE(port_.SetSettings("2400,O,5,2")) << port_.LastError();
    EXPECT_EQ(line->baudRate(), 2400);
}

TEST_F(SerialPortPtyTest, ThePortNumberCannotChangeWhileOpen) {
    EXPECT_FALSE(port_.SetCommPort(2));
    EXPECT_EQ(port_.CommPort(), 9);
}

// Runs the event loop flat out (QTest's waits sleep between turns, which would hide a storm
// of notifications) until the port reports a lost link, or for `milliseconds` at most.
void RunEventLoop(QtSerialPort& port, int milliseconds) {
    QEventLoop loop;
    QObject::connect(&port, &QtSerialPort::linkLost, &loop, &QEventLoop::quit);
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST_F(SerialPortPtyTest, FarEndGoneClosesThePortAndReportsTheLossOnce) {
    int readErrors = 0;
    const auto* line = port_.findChild<QSerialPort*>();
    ASSERT_NE(line, nullptr);
    QObject::connect(line, &QSerialPort::errorOccurred, [&](QSerialPort::SerialPortError error) {
        readErrors += error == QSerialPort::ReadError;
    });
    CloseFarEnd();
    RunEventLoop(port_, HangGuardMs);
    ASSERT_EQ(linkLosses_, 1);
    // A second report, or a storm of read errors, would show in this time.
    RunEventLoop(port_, 300);
    EXPECT_EQ(linkLosses_, 1);
    EXPECT_FALSE(port_.IsOpen());
    EXPECT_LT(readErrors, 100);
    EXPECT_NE(lossReason_.find(device_), std::string::npos) << lossReason_;
    EXPECT_NE(lossReason_.find("COM 9"), std::string::npos) << lossReason_;
    // The terminal is gone with its far end; opening again says the device does not exist.
    EXPECT_FALSE(port_.Open());
    EXPECT_NE(port_.LastError().find("which does not exist"), std::string::npos)
        << port_.LastError();
}

TEST_F(SerialPortPtyTest, ClosingThePortOurselvesIsNoLostLink) {
    port_.Close();
    EXPECT_FALSE(port_.IsOpen());
    CloseFarEnd();
    QTest::qWait(300);
    EXPECT_EQ(linkLosses_, 0);
}

TEST_F(SerialPortPtyTest, ReopeningAfterCloseReceivesAgain) {
    port_.Close();
    ASSERT_TRUE(port_.Open()) << port_.LastError();
    Send("again");
    ASSERT_TRUE(WaitForBytes(5));
    EXPECT_EQ(port_.Read(), "again");
}

} // namespace
} // namespace orvane

#endif
