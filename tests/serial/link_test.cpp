#include "capture_test_world.h"

#include "serial/link.h"
#include "workspace/report_commands.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::CaptureWorld;

class Link : public ::testing::Test, public CaptureWorld {
  protected:
    SerialSettingsForm form;

    Link() {
        ws.Loaded = false;
        Serial_Startup(port, win, "", "");
        LoadPropertySettings(form, port.CommPort(), port.Settings());
        port.calls.clear();
    }

    ConnectResult Connect() { return Form3_cmdOK_Click(form, port, ws, win, services); }
    std::string IndexFile() const { return JoinPath(TargetDir(), "TARN.ini"); }
};

TEST(SerialStartup, AppliesTheDefaultsWhenNothingIsStored) {
    testing::FakeSerialPort port;
    port.port = 4;
    port.open = true;
    WindowState win;
    Serial_Startup(port, win, "", "");
    EXPECT_EQ(port.port, 1);
    EXPECT_EQ(port.settings, "9600,N,8,1");
    EXPECT_TRUE(port.rts);
    EXPECT_EQ(port.inputMode, InputMode::Text);
    EXPECT_FALSE(port.open);
    EXPECT_EQ(win.StatusPanel[0], "Disconnected");
    EXPECT_EQ(win.StatusPanel[1], "Serial Port : ");
}

TEST(SerialStartup, RestoresTheStoredPortAndSettings) {
    testing::FakeSerialPort port;
    WindowState win;
    Serial_Startup(port, win, "3", "19200,e,7,1");
    EXPECT_EQ(port.port, 3);
    EXPECT_EQ(port.settings, "19200,e,7,1");
    Serial_Startup(port, win, " 2.5", "");
    EXPECT_EQ(port.port, 2); // rounded half to even
}

TEST(SerialStartup, KeepsPortOneForAPortTextTheLayerRefuses) {
    testing::FakeSerialPort port;
    port.refusedPorts = {9};
    WindowState win;
    Serial_Startup(port, win, "9", "");
    EXPECT_EQ(port.port, 1);
    Serial_Startup(port, win, "COM3", "");
    EXPECT_EQ(port.port, 1);
    Serial_Startup(port, win, "99999999999", "");
    EXPECT_EQ(port.port, 1);
}

TEST(SerialStartup, FallsBackToTheDefaultSettingsWhenTheStoredOnesAreRefused) {
    testing::FakeSerialPort port;
    port.settings = "4800,O,7,2";
    WindowState win;
    port.failSettings = true;
    Serial_Startup(port, win, "", "garbled");
    EXPECT_EQ(port.calls[1], "SetSettings garbled");
    EXPECT_EQ(port.calls[2], "SetSettings 9600,N,8,1");
}

TEST_F(Link, ConnectOpensThePortAppliesTheSettingsAndLoads) {
    const ConnectResult result = Connect();
    EXPECT_TRUE(result.connected);
    EXPECT_FALSE(result.startAcquisition);
    EXPECT_EQ(port.calls, (std::vector<std::string>{"Open", "SetSettings 9600,N,8,1"}));
    EXPECT_TRUE(port.open);
    EXPECT_EQ(win.StatusPanel[0], "Connected");
    EXPECT_EQ(win.StatusPanel[1], "Serial Port:Com 1");
    EXPECT_TRUE(ws.Connected);
    EXPECT_FALSE(ws.Disconnected);
    EXPECT_TRUE(dialogs.messages.empty());
    // No index on disk: the loaded workspace is one fresh report.
    EXPECT_EQ(ws.ReportCount, 1);
    EXPECT_TRUE(ws.Loaded);
}

TEST_F(Link, ConnectInVeskModeHandsOverToTheAcquisition) {
    ws.TarnMode = false;
    ws.VeskMode = true;
    EXPECT_TRUE(Connect().startAcquisition);
}

TEST_F(Link, ConnectToAnotherPortWhileConnectedReopensIt) {
    ASSERT_TRUE(Connect().connected);
    port.calls.clear();
    form.cboPort.Select(2);
    form.CboSpeed.text = "19200";
    ASSERT_TRUE(Connect().connected);
    EXPECT_EQ(port.calls, (std::vector<std::string>{"Close", "SetCommPort 3", "Open",
                                                    "SetSettings 19200,N,8,1"}));
    EXPECT_EQ(win.StatusPanel[1], "Serial Port:Com 3");
}

TEST_F(Link, ConnectAgainKeepsWhatWasCapturedSinceTheLoad) {
    ASSERT_TRUE(Connect().connected);
    win.HeaderBox[0] = "ACME";
    cmdOK_Click(ws, win);
    ASSERT_TRUE(Connect().connected);
    EXPECT_EQ(ws.ReportField[1][1], "ACME");
}

TEST_F(Link, ARefusedPortNumberRestoresTheOldOne) {
    port.refusedPorts = {5};
    form.cboPort.Select(4);
    const ConnectResult result = Connect();
    EXPECT_FALSE(result.connected);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Impossible to establish a connection."});
    EXPECT_EQ(port.port, 1);
    EXPECT_FALSE(port.open);
    EXPECT_FALSE(ws.Connected);
    EXPECT_EQ(win.StatusPanel[0], "Disconnected");
}

TEST_F(Link, APortThatCannotBeOpenedKeepsItsNumberAndTellsWhy) {
    port.failOpen = true;
    port.failureReason = "No such device: /dev/ttyS1";
    form.cboPort.Select(1);
    EXPECT_FALSE(Connect().connected);
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"Impossible to establish a connection.\r\n\r\n"
                                       "No such device: /dev/ttyS1"});
    EXPECT_EQ(port.port, 2);
    EXPECT_FALSE(port.open);
    EXPECT_FALSE(ws.Connected);
    EXPECT_FALSE(ws.Disconnected);
    EXPECT_EQ(win.StatusPanel[1], "Serial Port : ");
    EXPECT_FALSE(files.Exists(IndexFile()));
}

TEST_F(Link, RefusedSettingsLeaveAnUnusedPortClosed) {
    port.failSettings = true;
    port.failureReason = "Unsupported speed";
    form.CboSpeed.text = "12345";
    EXPECT_FALSE(Connect().connected);
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"Impossible to establish a connection.\r\n\r\n"
                                       "Unsupported speed"});
    EXPECT_FALSE(port.open);
    EXPECT_FALSE(ws.Connected);
}

TEST_F(Link, RefusedSettingsKeepAConnectedLinkUp) {
    ASSERT_TRUE(Connect().connected);
    port.failSettings = true;
    EXPECT_FALSE(Connect().connected);
    EXPECT_TRUE(port.open);
    EXPECT_TRUE(ws.Connected);
    EXPECT_EQ(win.StatusPanel[0], "Connected");
}

TEST_F(Link, LosingTheOpenPortInAFailedConnectShowsTheLinkDown) {
    ASSERT_TRUE(Connect().connected);
    port.failOpen = true;
    form.cboPort.Select(3);
    EXPECT_FALSE(Connect().connected);
    EXPECT_FALSE(port.open);
    EXPECT_FALSE(ws.Connected);
    EXPECT_TRUE(ws.Disconnected);
    EXPECT_EQ(win.StatusPanel[0], "Disconnected");
    EXPECT_TRUE(files.Exists(IndexFile()));
}

TEST_F(Link, DisconnectWhenNeverConnectedWritesNothing) {
    mnuDisconnect_Click(port, ws, win, services);
    EXPECT_FALSE(files.Exists(IndexFile()));
    EXPECT_FALSE(port.open);
    EXPECT_TRUE(port.calls.empty());
    EXPECT_EQ(win.StatusPanel[0], "Disconnected");
    EXPECT_EQ(win.StatusPanel[1], "Serial Port : ");
    EXPECT_TRUE(ws.Disconnected);
    EXPECT_FALSE(ws.Connected);
}

TEST_F(Link, DisconnectWritesTheWorkspaceAndClosesThePort) {
    ASSERT_TRUE(Connect().connected);
    mnuDisconnect_Click(port, ws, win, services);
    EXPECT_TRUE(files.Exists(IndexFile()));
    EXPECT_FALSE(port.open);
    EXPECT_TRUE(ws.Disconnected);
    EXPECT_FALSE(ws.Connected);
}

TEST_F(Link, LinkLostTellsTheUserOnceWithTheReason) {
    ASSERT_TRUE(Connect().connected);
    Link_Lost(port, ws, win, services, "The adapter was unplugged.");
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"The connection to the test set was lost.\r\n\r\n"
                                       "The adapter was unplugged.\r\n\r\n"
                                       "Connect again to go on capturing."});
    EXPECT_FALSE(port.open);
    EXPECT_TRUE(ws.Disconnected);
    EXPECT_EQ(win.StatusPanel[0], "Disconnected");
    EXPECT_TRUE(files.Exists(IndexFile()));

    Link_Lost(port, ws, win, services, "The adapter was unplugged.");
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(Link, LinkLostBeforeAnyConnectOnlyClosesThePort) {
    port.open = true;
    Link_Lost(port, ws, win, services, "hang-up");
    EXPECT_FALSE(port.open);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(ws.Disconnected);
}

} // namespace
} // namespace orvane
