// The port on a pseudo-terminal made by the test: the test writes the far end.
// Needs POSIX pseudo-terminals (posix_openpt).
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

#include <fcntl.h>
#include <unistd.h>

namespace orvane {
namespace {

using namespace std::string_literals;

constexpr int HangGuardMs = 10000;

class SerialPortPtyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(testing::EnsureQtApplication());
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        char name[128];
        ASSERT_TRUE(master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0 &&
                    ::ptsname_r(master_, name, sizeof name) == 0);
        device_ = name;
        std::string error;
        ASSERT_TRUE(PointComPortAt(9, device_, error)) << error;

        QObject::connect(&port_, &QtSerialPort::breakReceived, [this] { ++breaks_; });
        QObject::connect(&port_, &QtSerialPort::linkLost, [this](const QString& reason) {
            ++linkLosses_;
            lossReason_ = reason.toStdString();
        });
        ASSERT_TRUE(port_.SetCommPort(9));
        port_.SetRts(true); // a pseudo-terminal has no RTS line; that must not fail the open
        ASSERT_TRUE(port_.Open()) << port_.LastError();
        line_ = port_.findChild<QSerialPort*>();
        ASSERT_NE(line_, nullptr);
    }
    void TearDown() override { CloseFarEnd(); }

    // Writes the far end and waits until the port holds `bytes` more.
    void Send(const std::string& bytes) {
        const std::size_t expected = port_.InBufferCount() + bytes.size();
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return port_.InBufferCount() >= expected; }, HangGuardMs));
    }
    void CloseFarEnd() {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }

    testing::TempDir config_;
    testing::ScopedEnv xdg_{"XDG_CONFIG_HOME", config_.str().c_str()};
    int master_ = -1;
    std::string device_;
    QtSerialPort port_;
    const QSerialPort* line_ = nullptr;
    int breaks_ = 0;
    int linkLosses_ = 0;
    std::string lossReason_;
};

TEST_F(SerialPortPtyTest, ReadsTheAskedCountAndDiscardsTheRest) {
    Send("ABCDEFGH");
    EXPECT_EQ(port_.Read(1), "A");
    EXPECT_EQ(port_.Read(3), "BCD");
    EXPECT_EQ(port_.InBufferCount(), 4u);
    port_.DiscardInput();
    EXPECT_EQ(port_.InBufferCount(), 0u);
    Send("XY");
    EXPECT_EQ(port_.Read(5), "XY");
    EXPECT_EQ(port_.Read(), "");
    EXPECT_FALSE(port_.SetCommPort(2)) << "the number cannot change while open";
    EXPECT_EQ(port_.CommPort(), 9);
}

TEST_F(SerialPortPtyTest, SettingsApplyToThePortAndKeepDataIntact) {
    // A pseudo-terminal stays at 8 data bits without parity, whatever is asked; that must
    // not keep it from opening.
    port_.Close();
    ASSERT_TRUE(port_.SetSettings("4800,E,7,1"));
    ASSERT_TRUE(port_.Open()) << port_.LastError();
    EXPECT_EQ(line_->baudRate(), 4800);
    ASSERT_TRUE(port_.SetSettings("19200,O,5,2")) << port_.LastError();
    EXPECT_EQ(line_->baudRate(), 19200);
    EXPECT_EQ(line_->stopBits(), QSerialPort::TwoStop);
    ASSERT_TRUE(port_.SetSettings("9600,E,8,1")) << port_.LastError();
    // The data bytes FF 00 00 must not pass for a break after the parity was set again.
    Send("A\xFF\x00\x00Z"s);
    EXPECT_EQ(port_.Read(), "A\xFF\x00\x00Z"s);
    EXPECT_EQ(breaks_, 0);
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
    QObject::connect(line_, &QSerialPort::errorOccurred, [&](QSerialPort::SerialPortError error) {
        readErrors += error == QSerialPort::ReadError;
    });
    CloseFarEnd();
    RunEventLoop(port_, HangGuardMs);
    ASSERT_EQ(linkLosses_, 1);
    RunEventLoop(port_, 300); // a second report, or a storm of read errors, would show here
    EXPECT_EQ(linkLosses_, 1);
    EXPECT_FALSE(port_.IsOpen());
    EXPECT_LT(readErrors, 100);
    EXPECT_TRUE(lossReason_.starts_with("The serial device " + device_ + " (COM 9) "))
        << lossReason_;
}

TEST_F(SerialPortPtyTest, ReopensAfterCloseAndReceivesAgain) {
    port_.Close();
    ASSERT_TRUE(port_.Open()) << port_.LastError();
    Send("again");
    EXPECT_EQ(port_.Read(), "again");
}

} // namespace
} // namespace orvane

#endif
