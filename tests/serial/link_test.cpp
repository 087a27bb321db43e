// The serial link: start-up, the settings dialog's boxes, Connect, Disconnect and a lost link.

#include "serial_test_world.h"

#include "serial/link.h"
#include "workspace/report_commands.h"

#include <filesystem>
#include <utility>

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
    // With the workspace flags, whether the index was written and the port's calls since last.
    std::string State() {
        std::string calls;
        for (const std::string& call : std::exchange(port.calls, {}))
            calls += " " + call;
        return LinkState(win, port) + (ws.Connected ? "|Connected" : "") +
               (ws.Disconnected ? "|Disconnected" : "") +
               (std::filesystem::is_regular_file(JoinPath(TargetDir(), "TARN.ini")) ? "|written"
                                                                                    : "") +
               calls;
    }
};

class Link : public ::testing::Test, public LinkWorld {};

TEST_F(Link, ConnectOpensThePortAppliesTheSettingsLoadsAndLaterReopensAnotherPort) {
    const ConnectResult result = Connect();
    EXPECT_TRUE(result.connected && !result.startAcquisition && dialogs.messages.empty());
    EXPECT_EQ(State(), "Connected|Serial Port:Com 1|open|Connected Open SetSettings 9600,N,8,1");
    // No index on disk: the loaded workspace is one fresh report.
    EXPECT_TRUE(ws.Loaded && ws.ReportCount == 1);

    win.HeaderBox[0] = "ACME";
    cmdOK_Click(ws, win);
    form.cboPort.Select(2);
    form.CboSpeed.text = "19200";
    ws.TarnMode = !(ws.VeskMode = true);
    EXPECT_TRUE(Connect().startAcquisition) << "VeskMode: the acquisition takes over";
    EXPECT_EQ(State(), "Connected|Serial Port:Com 3|open|Connected|written Close SetCommPort 3 "
                       "Open SetSettings 19200,N,8,1");
    EXPECT_EQ(ws.ReportField[1][1], "ACME") << "what was captured since the load is kept";
    EXPECT_EQ(capture.ended, 1) << "the old run ends before the reload, the first had none";
}

// A failed Connect tells why, once, and leaves an unused port closed and the workspace
// unloaded. Tables that could not be loaded (held by another copy, unreadable) must not take
// captures: the port is let go again.
TEST(LinkFailure, FailedConnectTellsWhyLeavesThePortClosedAndTheWorkspaceUnloaded) {
    const std::string failed = "Impossible to establish a connection.";
    for (const auto& [reason, message] : std::vector<std::pair<std::string, std::string>>{
             {"", failed}, // a refused port number: the old one is restored
             {"No such device", failed + "\r\n\r\nNo such device"},
             {"Unsupported speed", failed + "\r\n\r\nUnsupported speed"},
             {"locked", "in use by another running copy"},
             {"folder", "could not be read"}}) {
        LinkWorld w;
        FakeLocks locks;
        w.services.locks = &locks;
        const std::string index = JoinPath(w.TargetDir(), "TARN.ini");
        if (reason == "locked")
            locks.heldElsewhere.insert(index);
        if (reason == "folder")
            std::filesystem::create_directories(index); // a folder where the index should be
        w.port.refusedPorts = {reason.empty() ? 2 : 0};
        w.port.failOpen = reason == "No such device";
        w.port.failSettings = reason == "Unsupported speed";
        w.port.failureReason = reason;
        w.form.cboPort.Select(1);
        EXPECT_FALSE(w.Connect().connected || w.ws.Loaded);
        // Told once; the index messages name the temporary folder.
        const std::string told = w.dialogs.messages.size() == 1 ? w.dialogs.messages[0] : "";
        EXPECT_TRUE(message.starts_with(failed) ? told == message
                                                : told.find(message) != std::string::npos)
            << told;
        EXPECT_EQ(std::to_string(w.port.port) + " " + LinkState(w.win, w.port),
                  (reason.empty() ? "1" : "2") +
                      std::string(" Disconnected|Serial Port : |closed"));
    }
}

TEST_F(Link, RefusedSettingsKeepAConnectedLinkUpButLosingItsPortShowsTheLinkDown) {
    ASSERT_TRUE(Connect().connected);
    State();
    port.failSettings = true;
    EXPECT_FALSE(Connect().connected);
    EXPECT_EQ(State(), "Connected|Serial Port:Com 1|open|Connected SetSettings 9600,N,8,1");
    port.failOpen = true;
    form.cboPort.Select(3);
    EXPECT_FALSE(Connect().connected);
    EXPECT_TRUE(State().starts_with("Disconnected|Serial Port : |closed|Disconnected|written "));
}

// Never connected, a lost link or a Disconnect writes and tells nothing; a link that was up
// writes the workspace and tells the user once, with the reason.
TEST_F(Link, LostOrDisconnectedLinkWritesAndTellsOnlyWhenItWasUp) {
    ws.Loaded = port.open = true; // a workspace shown, never connected
    Link_Lost(port, ws, win, services, capture, "hang-up");
    mnuDisconnect_Click(port, ws, win, services, capture);
    EXPECT_EQ(State(), "Disconnected|Serial Port : |closed|Disconnected Close");
    EXPECT_TRUE(dialogs.messages.empty() && capture.ended == 0);
    ASSERT_TRUE(Connect().connected);
    for (int lost = 0; lost < 2; ++lost)
        Link_Lost(port, ws, win, services, capture, "The adapter was unplugged.");
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"The connection to the test set was lost.\r\n\r\n"
                                       "The adapter was unplugged.\r\n\r\n"
                                       "Connect again to go on capturing."});
    EXPECT_EQ(State() + " " + std::to_string(capture.ended),
              "Disconnected|Serial Port : |closed|Disconnected|written Open SetSettings 9600,N,8,1 "
              "Close 1");
}

} // namespace
} // namespace orvane::testing
