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
                   LinkCapture& capture, bool linkWasUp, const std::string& reason) {
    if (!linkWasUp && port.IsOpen())
        port.Close();
    if (linkWasUp && !port.IsOpen())
        mnuDisconnect_Click(port, ws, win, services, capture);
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
                                WindowState& win, Services& services, LinkCapture& capture,
                                PictureSurface* imgScreen) {
    const bool linkWasUp = LinkIsUp(ws);
    const int oldPort = port.CommPort();
    const int newPort = SelectedCommPort(form);
    if (newPort != oldPort) {
        if (port.IsOpen())
            port.Close();
        if (!port.SetCommPort(newPort)) {
            port.SetCommPort(oldPort);
            ConnectFailed(port, ws, win, services, capture, linkWasUp, {});
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
        ConnectFailed(port, ws, win, services, capture, linkWasUp, reason);
        return {};
    }

    // What the old run received belongs to the workspace being replaced, which loading
    // writes first.
    if (linkWasUp)
        capture.EndCapture();
    // An index that another copy of the program holds, or that cannot be read, is not loaded
    // (the user has been told): nothing may be captured into tables that cannot be saved.
    if (!Loading_Workspace(ws, win, services, imgScreen)) {
        if (linkWasUp)
            mnuDisconnect_Click(port, ws, win, services, capture);
        else
            port.Close();
        return {};
    }
    win.StatusPanel[PortPanel] = "Serial Port:Com " + std::to_string(port.CommPort());
    win.StatusPanel[LinkPanel] = "Connected";
    ws.Connected = true;
    ws.Disconnected = false;
    return {.connected = true, .startAcquisition = ws.VeskMode};
}

void mnuDisconnect_Click(SerialPort& port, Workspace& ws, WindowState& win, Services& services,
                         LinkCapture& capture) {
    const bool linkWasUp = LinkIsUp(ws);
    if (linkWasUp)
        capture.EndCapture();
    // Closed before the workspace is written: bytes arriving while a message about the
    // writing is open would otherwise start a record in the tables being written.
    if (port.IsOpen())
        port.Close();
    ShowLinkDown(ws, win);
    if (linkWasUp)
        Create_iniFile(ws, services);
}

void Link_Lost(SerialPort& port, Workspace& ws, WindowState& win, Services& services,
               LinkCapture& capture, std::string_view reason) {
    if (!LinkIsUp(ws)) {
        // Told already, or never connected: only the port is let go.
        if (port.IsOpen())
            port.Close();
        return;
    }
    mnuDisconnect_Click(port, ws, win, services, capture);
    services.dialogs.Message(WithReason(LinkLostMessage, std::string(reason)) + "\r\n\r\n" +
                             ReconnectAdvice);
}

} // namespace orvane
