#include "serial_test_world.h"

#include "serial/link.h"
#include "workspace/report_commands.h"

namespace orvane::testing {
namespace {

// The status panels and the port, as one line to compare.
std::string LinkState(const WindowState& win, const FakeSerialPort& port) {
    return win.StatusPanel[0] + "|" + win.StatusPanel[1] + "|" + (port.open ? "open" : "closed");
}

// A TARN workspace not loaded yet, the port set up at start-up and the dialog filled from it.
struct LinkWorld : SerialWorld {
    SerialSettingsForm form;

    LinkWorld() : SerialWorld(TargetTarn, "TARN") {
        ws.Loaded = false;
        Serial_Startup(port, win, "", "");
        LoadPropertySettings(form, port.CommPort(), port.Settings());
        port.calls.clear();
    }

    ConnectResult Connect() { return Form3_cmdOK_Click(form, port, ws, win, services, capture); }
    // With the workspace flags.
    std::string State() const {
        return LinkState(win, port) + (ws.Connected ? "|Connected" : "") +
               (ws.Disconnected ? "|Disconnected" : "");
    }
    bool IndexWritten() { return files.Exists(JoinPath(TargetDir(), "TARN.ini")); }
};

class Link : public ::testing::Test, public LinkWorld {};

TEST(SerialStartup, AppliesTheStoredPortAndSettingsOrTheDefaultsAndLeavesThePortClosed) {
    struct Row {
        std::string port, settings;
        int expectedPort;
        std::string expectedSettings;
    };
    for (const Row& row : {
             Row{"", "", 1, "9600,N,8,1"},
             Row{"3", "19200,e,7,1", 3, "19200,e,7,1"},
             Row{" 2.5", "", 2, "9600,N,8,1"}, // rounded half to even
             Row{"9", "", 1, "9600,N,8,1"},    // refused by the port
             Row{"COM3", "", 1, "9600,N,8,1"},
             Row{"99999999999", "", 1, "9600,N,8,1"},
         }) {
        SCOPED_TRACE("stored port '" + row.port + "'");
        FakeSerialPort port;
        port.port = 4;
        port.open = true;
        port.settings = "4800,O,7,2";
        port.refusedPorts = {9};
        WindowState win;
        Serial_Startup(port, win, row.port, row.settings);
        EXPECT_EQ(port.port, row.expectedPort);
        EXPECT_EQ(port.settings, row.expectedSettings);
        EXPECT_TRUE(port.rts && port.inputMode == InputMode::Text);
        EXPECT_EQ(LinkState(win, port), "Disconnected|Serial Port : |closed");
    }
}

TEST(SerialStartup, FallsBackToTheDefaultSettingsWhenTheStoredOnesAreRefused) {
    FakeSerialPort port;
    port.failSettings = true;
    WindowState win;
    Serial_Startup(port, win, "", "garbled");
    EXPECT_EQ(port.calls[1] + "|" + port.calls[2], "SetSettings garbled|SetSettings 9600,N,8,1");
}

TEST_F(Link, ConnectOpensThePortAppliesTheSettingsLoadsAndLaterReopensAnotherPort) {
    const ConnectResult result = Connect();
    EXPECT_TRUE(result.connected && !result.startAcquisition);
    EXPECT_EQ(port.calls, (std::vector<std::string>{"Open", "SetSettings 9600,N,8,1"}));
    EXPECT_EQ(State(), "Connected|Serial Port:Com 1|open|Connected");
    EXPECT_TRUE(dialogs.messages.empty());
    // No index on disk: the loaded workspace is one fresh report.
    EXPECT_TRUE(ws.Loaded && ws.ReportCount == 1);

    win.HeaderBox[0] = "ACME";
    cmdOK_Click(ws, win);
    port.calls.clear();
    form.cboPort.Select(2);
    form.CboSpeed.text = "19200";
    ws.TarnMode = false;
    ws.VeskMode = true;
    EXPECT_TRUE(Connect().startAcquisition) << "VeskMode: the acquisition takes over";
    EXPECT_EQ(port.calls, (std::vector<std::string>{"Close", "SetCommPort 3", "Open",
                                                    "SetSettings 19200,N,8,1"}));
    EXPECT_EQ(State(), "Connected|Serial Port:Com 3|open|Connected");
    EXPECT_EQ(ws.ReportField[1][1], "ACME") << "what was captured since the load is kept";
    EXPECT_EQ(capture.ended, 1) << "the old run ends before the reload, the first had none";
}

TEST(LinkFailure, FailedConnectTellsWhyAndLeavesAnUnusedPortClosedAndTheWorkspaceUnloaded) {
    const std::string failed = "Impossible to establish a connection.";
    struct Row {
        int refusedPort;
        bool failOpen, failSettings;
        std::string reason, message;
        int port;
    };
    for (const Row& row : {
             Row{2, false, false, "", failed, 1},
             Row{0, true, false, "No such device", failed + "\r\n\r\nNo such device", 2},
             Row{0, false, true, "Unsupported speed", failed + "\r\n\r\nUnsupported speed", 2},
         }) {
        SCOPED_TRACE(row.message);
        LinkWorld w;
        w.port.refusedPorts = {row.refusedPort};
        w.port.failOpen = row.failOpen;
        w.port.failSettings = row.failSettings;
        w.port.failureReason = row.reason;
        w.form.cboPort.Select(1);
        EXPECT_FALSE(w.Connect().connected);
        EXPECT_EQ(w.dialogs.messages, std::vector<std::string>{row.message});
        EXPECT_EQ(w.port.port, row.port) << "a refused number restores the old one";
        EXPECT_EQ(w.State(), "Disconnected|Serial Port : |closed");
        EXPECT_FALSE(w.ws.Loaded || w.IndexWritten());
    }
}

// Tables that could not be saved must not take captures: the port is let go again.
TEST_F(Link, AnIndexAnotherCopyHoldsOrThatCannotBeReadRefusesTheConnection) {
    FakeLocks locks;
    services.locks = &locks;
    const std::string index = JoinPath(TargetDir(), "TARN.ini");
    locks.heldElsewhere.insert(index);
    const std::string before = State();
    EXPECT_FALSE(Connect().connected);
    EXPECT_EQ(State(), before);
    locks.heldElsewhere.clear();
    std::filesystem::create_directories(index); // a folder where the index should be
    EXPECT_FALSE(Connect().connected);
    EXPECT_EQ(State(), before);
    EXPECT_FALSE(ws.Loaded);
    ASSERT_EQ(dialogs.messages.size(), 2u) << "once each, no connection message besides";
    EXPECT_NE(dialogs.messages[0].find("in use by another running copy"), std::string::npos);
    EXPECT_NE(dialogs.messages[1].find("could not be read"), std::string::npos);
}

TEST_F(Link, RefusedSettingsKeepAConnectedLinkUpButLosingItsPortShowsTheLinkDown) {
    ASSERT_TRUE(Connect().connected);
    port.calls.clear();
    port.failSettings = true;
    EXPECT_FALSE(Connect().connected);
    EXPECT_EQ(port.calls, std::vector<std::string>{"SetSettings 9600,N,8,1"}) << "already open";
    EXPECT_EQ(State(), "Connected|Serial Port:Com 1|open|Connected");
    EXPECT_FALSE(IndexWritten());

    port.failOpen = true;
    form.cboPort.Select(3);
    EXPECT_FALSE(Connect().connected);
    EXPECT_EQ(State(), "Disconnected|Serial Port : |closed|Disconnected");
    EXPECT_TRUE(IndexWritten());
}

TEST_F(Link, DisconnectOrALostLinkWhenNeverConnectedWritesAndTellsNothing) {
    ws.Loaded = true; // a workspace shown, never connected
    port.open = true;
    Link_Lost(port, ws, win, services, capture, "hang-up");
    EXPECT_EQ(State(), "Disconnected|Serial Port : |closed");
    EXPECT_EQ(port.calls, std::vector<std::string>{"Close"});

    mnuDisconnect_Click(port, ws, win, services, capture);
    EXPECT_EQ(port.calls, std::vector<std::string>{"Close"});
    EXPECT_EQ(State(), "Disconnected|Serial Port : |closed|Disconnected");
    EXPECT_FALSE(IndexWritten());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(capture.ended, 0);
}

TEST_F(Link, LinkLostWritesTheWorkspaceAndTellsTheUserOnceWithTheReason) {
    ASSERT_TRUE(Connect().connected);
    Link_Lost(port, ws, win, services, capture, "The adapter was unplugged.");
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"The connection to the test set was lost.\r\n\r\n"
                                       "The adapter was unplugged.\r\n\r\n"
                                       "Connect again to go on capturing."});
    EXPECT_EQ(State(), "Disconnected|Serial Port : |closed|Disconnected");
    EXPECT_TRUE(IndexWritten());

    Link_Lost(port, ws, win, services, capture, "The adapter was unplugged.");
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(capture.ended, 1);
}

} // namespace
} // namespace orvane::testing
