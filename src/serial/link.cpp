#include "serial/link.h"

#include "ui/logic/numeric_text.h"
#include "workspace/index_file.h"

#include <cstdint>
#include <limits>

namespace orvane {
namespace {

constexpr int LinkPanel = 0;
constexpr int PortPanel = 1;

bool LinkIsUp(const Workspace& ws) {
    return ws.Connected && !ws.Disconnected;
}

void ShowLinkDown(Workspace& ws, WindowState& win) {
    win.StatusPanel[PortPanel] = "Serial Port : ";
    win.StatusPanel[LinkPanel] = "Disconnected";
    ws.Disconnected = true;
    ws.Connected = false;
}

std::string WithReason(std::string_view message, const std::string& reason) {
    std::string text(message);
    if (!reason.empty())
        text += "\r\n\r\n" + reason;
    return text;
}

// A failed Connect tells the user why. It leaves a port that was not in use closed, so that
// nothing is captured into a workspace that was never loaded; a link that was up and lost
// its port on the way is shown as down, with the workspace written.
void ConnectFailed(SerialPort& port, Workspace& ws, WindowState& win, Services& services,
                   bool linkWasUp, const std::string& reason) {
    if (!linkWasUp && port.IsOpen())
        port.Close();
    if (linkWasUp && !port.IsOpen())
        mnuDisconnect_Click(port, ws, win, services);
    services.dialogs.Message(WithReason(ConnectFailedMessage, reason));
}

} // namespace

void Serial_Startup(SerialPort& port, WindowState& win, std::string_view storedPort,
                    const std::string& storedSettings) {
    port.SetCommPort(1);
    if (!storedPort.empty()) {
        // A number the port refuses, or a text that is none, leaves port 1.
        const std::optional<int> number =
            WholeNumberWithin(NumericValue(storedPort), std::numeric_limits<std::int16_t>::min(),
                              std::numeric_limits<std::int16_t>::max());
        if (number)
            port.SetCommPort(*number);
    }
    if (storedSettings.empty() || !port.SetSettings(storedSettings))
        port.SetSettings(DefaultSerialSettings);
    port.SetRts(true);
    port.SetInputMode(InputMode::Text);
    if (port.IsOpen())
        port.Close();
    win.StatusPanel[LinkPanel] = "Disconnected";
    win.StatusPanel[PortPanel] = "Serial Port : ";
}

ConnectResult Form3_cmdOK_Click(const SerialSettingsForm& form, SerialPort& port, Workspace& ws,
                                WindowState& win, Services& services, PictureSurface* imgScreen) {
    const bool linkWasUp = LinkIsUp(ws);
    const int oldPort = port.CommPort();
    const int newPort = SelectedCommPort(form);
    if (newPort != oldPort) {
        if (port.IsOpen())
            port.Close();
        if (!port.SetCommPort(newPort)) {
            port.SetCommPort(oldPort);
            ConnectFailed(port, ws, win, services, linkWasUp, {});
            return {};
        }
    }

    // Both steps are tried; the first failure's reason is the one reported.
    std::string reason;
    bool failed = false;
    if (!port.IsOpen() && !port.Open()) {
        failed = true;
        reason = port.LastError();
    }
    if (!port.SetSettings(ComposeSettings(form))) {
        if (!failed)
            reason = port.LastError();
        failed = true;
    }
    if (failed) {
        ConnectFailed(port, ws, win, services, linkWasUp, reason);
        return {};
    }

    win.StatusPanel[PortPanel] = "Serial Port:Com " + std::to_string(port.CommPort());
    win.StatusPanel[LinkPanel] = "Connected";
    ws.Connected = true;
    ws.Disconnected = false;
    Loading_Workspace(ws, win, services, imgScreen);
    return {.connected = true, .startAcquisition = ws.VeskMode};
}

void mnuDisconnect_Click(SerialPort& port, Workspace& ws, WindowState& win, Services& services) {
    if (LinkIsUp(ws))
        Create_iniFile(ws, services);
    if (port.IsOpen())
        port.Close();
    ShowLinkDown(ws, win);
}

void Link_Lost(SerialPort& port, Workspace& ws, WindowState& win, Services& services,
               std::string_view reason) {
    if (!LinkIsUp(ws)) {
        // Told already, or never connected: only the port is let go.
        if (port.IsOpen())
            port.Close();
        return;
    }
    mnuDisconnect_Click(port, ws, win, services);
    services.dialogs.Message(WithReason(LinkLostMessage, std::string(reason)) + "\r\n\r\n" +
                             ReconnectAdvice);
}

} // namespace orvane
