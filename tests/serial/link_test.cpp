// The serial link: start-up, the settings dialog's boxes, Connect, Disconnect and a lost link.

#include "serial_test_world.h"

#include "serial/link.h"
#include "workspace/report_commands.h"

#include <array>
#include <filesystem>
#include <tuple>
#include <utility>

namespace orvane::testing {
namespace {

// The five boxes as "port|speed|parity (position)|data bits|stop bits".
std::string Boxes(const SerialSettingsForm& form) {
    return form.cboPort.text + "|" + form.CboSpeed.text + "|" + form.cboParity.text + " (" +
           std::to_string(form.cboParity.selected) + ")|" + form.CboDataBits.text + "|" +
           form.cboStopBits.text + " -> " + std::to_string(SelectedCommPort(form));
}

TEST(SettingsForm, RefillsTheBoxesByPositionFromTheEndAndComposesTrimmedFieldsAsTyped) {
    SerialSettingsForm form; // loaded again for every row, as the dialog is on every show
    for (const auto& [port, settings, boxes] :
         std::vector<std::tuple<int, std::string, std::string>>{
             {1, "19200,n,8,1", "COM 1|19200|None (1)|8|1 -> 1"},
             {3, "9600,e,7,2", "COM 3|9600|Even (0)|7|2 -> 3"},
             {6, "9600,o,7,2", "COM 6|9600|Odd (2)|7|2 -> 6"},
             {7, "9600,N,8,1", "|9600| (-1)|8|1 -> 0"},
             {0, "9600,n,8,1", "|9600|None (1)|8|1 -> 0"},
             // Two-character stop bits ("1.5") move every field one place.
             {1, "9600,n,8,1.5", "COM 1|9600,n| (-1)|1|5 -> 1"},
             {1, "8,1", "COM 1|| (-1)|8|1 -> 1"},
             {1, "", "COM 1|| (-1)|| -> 1"},
         }) {
        LoadPropertySettings(form, port, settings);
        EXPECT_EQ(Boxes(form), boxes) << "port " << port << ", " << settings;
    }
    for (const auto& [speed, parity, data, stop, composed] :
         std::vector<std::array<std::string, 5>>{
             {"  19200 ", "Even", " 7", "2  ", "19200,E,7,2"},
             {"9600", "none", "8", "1", "9600,n,8,1"},
             {"9600", "", "8", "1", "9600,,8,1"},
         }) {
        form.CboSpeed.text = speed;
        form.cboParity.text = parity;
        form.CboDataBits.text = data;
        form.cboStopBits.text = stop;
        EXPECT_EQ(ComposeSettings(form), composed);
    }
}

// The status panels and the port, as one line to compare.
std::string LinkState(const WindowState& win, const FakeSerialPort& port) {
    return win.StatusPanel[0] + "|" + win.StatusPanel[1] + "|" + (port.open ? "open" : "closed");
}

TEST(SerialStartup, AppliesTheStoredPortAndSettingsOrTheDefaultsAndLeavesThePortClosed) {
    for (const auto& [stored, settings, expected] : std::vector<std::array<std::string, 3>>{
             {"", "", "1 9600,N,8,1"},
             {"3", "19200,e,7,1", "3 19200,e,7,1"},
             {" 2.5", "", "2 9600,N,8,1"}, // rounded half to even
             {"9", "", "1 9600,N,8,1"},    // refused by the port
             {"COM3", "", "1 9600,N,8,1"},
             {"99999999999", "", "1 9600,N,8,1"},
             {"", "garbled", "1 garbled then 9600,N,8,1"}, // refused: the default instead
         }) {
        SCOPED_TRACE("stored port '" + stored + "', settings '" + settings + "'");
        FakeSerialPort port;
        port.port = 4;
        port.open = true;
        port.settings = "4800,O,7,2";
        port.refusedPorts = {9};
        port.failSettings = settings == "garbled";
        WindowState win;
        Serial_Startup(port, win, stored, settings);
        std::string applied = std::to_string(port.port), then = " "; // and the settings tried
        for (const std::string& call : port.calls)
            if (call.starts_with("SetSettings "))
                applied += std::exchange(then, " then ") + call.substr(12);
        EXPECT_EQ(applied, expected);
        EXPECT_TRUE(port.rts && port.inputMode == InputMode::Text);
        EXPECT_EQ(LinkState(win, port), "Disconnected|Serial Port : |closed");
    }
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
    // With the workspace flags, and whether the index was written.
    std::string State() const {
        return LinkState(win, port) + (ws.Connected ? "|Connected" : "") +
               (ws.Disconnected ? "|Disconnected" : "") +
               (std::filesystem::is_regular_file(JoinPath(TargetDir(), "TARN.ini")) ? "|written"
                                                                                    : "");
    }
};

class Link : public ::testing::Test, public LinkWorld {};

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
    ws.TarnMode = !(ws.VeskMode = true);
    EXPECT_TRUE(Connect().startAcquisition) << "VeskMode: the acquisition takes over";
    EXPECT_EQ(port.calls, (std::vector<std::string>{"Close", "SetCommPort 3", "Open",
                                                    "SetSettings 19200,N,8,1"}));
    EXPECT_EQ(State(), "Connected|Serial Port:Com 3|open|Connected|written");
    EXPECT_EQ(ws.ReportField[1][1], "ACME") << "what was captured since the load is kept";
    EXPECT_EQ(capture.ended, 1) << "the old run ends before the reload, the first had none";
}

// A failed Connect tells why and leaves an unused port closed and the workspace unloaded.
// Tables that could not be loaded (held by another copy, unreadable) must not take
// captures: the port is let go again.
TEST(LinkFailure, FailedConnectTellsWhyLeavesThePortClosedAndTheWorkspaceUnloaded) {
    const std::string failed = "Impossible to establish a connection.";
    struct Row {
        int refusedPort;
        bool failOpen, failSettings;
        std::string reason, message;
        int port;
    };
    for (const Row& row : {
             Row{2, false, false, "", failed, 1}, // a refused number restores the old one
             Row{0, true, false, "No such device", failed + "\r\n\r\nNo such device", 2},
             Row{0, false, true, "Unsupported speed", failed + "\r\n\r\nUnsupported speed", 2},
             Row{0, false, false, "locked", "in use by another running copy", 2},
             Row{0, false, false, "folder", "could not be read", 2},
         }) {
        SCOPED_TRACE(row.message);
        LinkWorld w;
        FakeLocks locks;
        w.services.locks = &locks;
        const std::string index = JoinPath(w.TargetDir(), "TARN.ini");
        if (row.reason == "locked")
            locks.heldElsewhere.insert(index);
        if (row.reason == "folder")
            std::filesystem::create_directories(index); // a folder where the index should be
        w.port.refusedPorts = {row.refusedPort};
        w.port.failOpen = row.failOpen;
        w.port.failSettings = row.failSettings;
        w.port.failureReason = row.reason;
        w.form.cboPort.Select(1);
        EXPECT_FALSE(w.Connect().connected);
        ASSERT_EQ(w.dialogs.messages.size(), 1u) << "once, no connection message besides";
        if (row.message.starts_with(failed)) // the index messages name the temporary folder
            EXPECT_EQ(w.dialogs.messages[0], row.message);
        else
            EXPECT_NE(w.dialogs.messages[0].find(row.message), std::string::npos);
        EXPECT_EQ(w.port.port, row.port);
        EXPECT_EQ(w.State(), "Disconnected|Serial Port : |closed");
        EXPECT_FALSE(w.ws.Loaded);
    }
}

TEST_F(Link, RefusedSettingsKeepAConnectedLinkUpButLosingItsPortShowsTheLinkDown) {
    ASSERT_TRUE(Connect().connected);
    port.calls.clear();
    port.failSettings = true;
    EXPECT_FALSE(Connect().connected);
    EXPECT_EQ(port.calls, std::vector<std::string>{"SetSettings 9600,N,8,1"}) << "already open";
    EXPECT_EQ(State(), "Connected|Serial Port:Com 1|open|Connected");

    port.failOpen = true;
    form.cboPort.Select(3);
    EXPECT_FALSE(Connect().connected);
    EXPECT_EQ(State(), "Disconnected|Serial Port : |closed|Disconnected|written");
}

// Never connected, a lost link or a Disconnect writes and tells nothing; a link that was up
// writes the workspace and tells the user once, with the reason.
TEST_F(Link, LostOrDisconnectedLinkWritesAndTellsOnlyWhenItWasUp) {
    ws.Loaded = port.open = true; // a workspace shown, never connected
    Link_Lost(port, ws, win, services, capture, "hang-up");
    EXPECT_EQ(State(), "Disconnected|Serial Port : |closed");
    mnuDisconnect_Click(port, ws, win, services, capture);
    EXPECT_EQ(port.calls, std::vector<std::string>{"Close"});
    EXPECT_EQ(State(), "Disconnected|Serial Port : |closed|Disconnected");
    EXPECT_TRUE(dialogs.messages.empty() && capture.ended == 0);

    ASSERT_TRUE(Connect().connected);
    for (int lost = 0; lost < 2; ++lost)
        Link_Lost(port, ws, win, services, capture, "The adapter was unplugged.");
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"The connection to the test set was lost.\r\n\r\n"
                                       "The adapter was unplugged.\r\n\r\n"
                                       "Connect again to go on capturing."});
    EXPECT_EQ(State(), "Disconnected|Serial Port : |closed|Disconnected|written");
    EXPECT_EQ(capture.ended, 1);
}

} // namespace
} // namespace orvane::testing
