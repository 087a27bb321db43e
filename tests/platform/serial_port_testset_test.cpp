// The port against the simulated test set program, end to end over a pseudo-terminal, and
// what that program plays.
// Needs POSIX pseudo-terminals and the simulated test set, a POSIX program.
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
#include <set>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using namespace std::string_literals;
using testing::PtyTestset;

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

    testing::TempDir config_;
    testing::ScopedEnv xdg_{"XDG_CONFIG_HOME", config_.str().c_str()};
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

TEST_F(SerialPortTestsetTest, EveryByteValueOfAFileArrivesUnchanged) {
    std::string bytes;
    for (int value = 255; value >= 0; --value)
        bytes += static_cast<char>(value);
    bytes += "\xFF\x00\x00\r\n\r"s; // what a marked break looks like: as data it stays data
    const std::string file = (config_.path() / "capture.bin").string();
    testing::WriteFile(file, bytes);
    EXPECT_EQ(PtyTestset::Dump({"--file", file}), bytes);
    ExpectPlayedThenLost({"--file", file, "--com", "7", "--fast", "--gap", "0.5", "--wait-key"});
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

// ESC SP k starts a record of kind k (09 text, else a picture), ESC K lo hi and lo + 256 hi
// bytes is a bit-image block, LF ends a row of blocks, ESC R files the picture.
TEST_F(SerialPortTestsetTest, VeskPrintoutIsATextRecordAGraphAndAScreenImageOfSoundBlocks) {
    const std::string stream = PtyTestset::Dump({"--vesk"});
    ASSERT_FALSE(stream.empty());
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(stream.at(i)); };
    struct Picture {
        std::set<int> rowWidths;
        int rows = 0;
        bool filed = false;
    };
    std::vector<Picture> pictures;
    std::string kinds;
    int rowWidth = 0;
    for (std::size_t i = 0; i < stream.size();) {
        if (at(i) != 0x1B) {
            if (at(i) == 0x0A && rowWidth > 0) {
                pictures.back().rowWidths.insert(std::exchange(rowWidth, 0));
                ++pictures.back().rows;
            }
            ++i;
        } else if (at(i + 1) == ' ') {
            kinds += stream.at(i + 2);
            if (stream.at(i + 2) != '\x09')
                pictures.emplace_back();
            i += 3;
        } else if (at(i + 1) == 'K') {
            ASSERT_FALSE(pictures.empty()) << "bit image outside a picture at " << i;
            const std::size_t columns = at(i + 2) + 256u * at(i + 3);
            ASSERT_TRUE(columns > 0 && i + 4 + columns <= stream.size()) << "block at " << i;
            // The byte after a block's data is read as a command; keep it out of their range.
            const unsigned char last = at(i + 3 + columns);
            EXPECT_FALSE(last == 0x0A || (last >= 0x20 && last <= 0x7A))
                << "block at " << i << " ends in " << int(last);
            rowWidth += static_cast<int>(columns);
            i += 4 + columns;
        } else {
            ASSERT_TRUE(at(i + 1) == 'R' && !pictures.empty()) << "escape " << int(at(i + 1));
            pictures.back().filed = true;
            i += 2;
        }
    }
    EXPECT_EQ(kinds, "\x09\x0F\x04");
    ASSERT_EQ(pictures.size(), 2u);
    for (const Picture& picture : pictures) {
        EXPECT_TRUE(picture.filed);
        EXPECT_GE(picture.rows, 8);
        EXPECT_EQ(picture.rowWidths.size(), 1u) << "rows of unequal width";
    }
}

TEST_F(SerialPortTestsetTest, TarnScreensArePrinterTextWithCrLfLinesPlayedAsOftenAsAsked) {
    const std::string screens = PtyTestset::Dump({"--tarn"});
    EXPECT_EQ(PtyTestset::Dump({"--tarn", "--repeat", "2"}), screens + screens);
    EXPECT_TRUE(screens.starts_with("\x1BR\x01\x1B\x32\x0F")) << "ESC R 01, ESC 2, SI";
    EXPECT_NE(screens.find("\x1Br\x01\x1B\x32"), std::string::npos) << "ESC r 01, ESC 2";
    for (std::size_t at = 0; (at = screens.find_first_of("\r\n", at)) != std::string::npos; at += 2)
        ASSERT_EQ(screens.compare(at, 2, "\r\n"), 0) << "a lone CR or LF at " << at;
}

} // namespace
} // namespace orvane

#endif
