#pragma once
// The serial link: the port set-up at start-up, Connect from the settings dialog, Disconnect,
// and a link that fails under the program. The link state shows in the status bar's first
// two panels and in the workspace flags Connected and Disconnected.

#include "serial/link_capture.h"
#include "serial/picture_surface.h"
#include "serial/serial_port.h"
#include "serial/serial_settings.h"
#include "workspace/services.h"
#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <string>
#include <string_view>

namespace orvane {

inline constexpr char DefaultSerialSettings[] = "9600,N,8,1";
inline constexpr char ConnectFailedMessage[] = "Impossible to establish a connection.";
inline constexpr char LinkLostMessage[] = "The connection to the test set was lost.";
inline constexpr char ReconnectAdvice[] = "Connect again to go on capturing.";

// Applies the port number and settings string kept from the last run (empty when none) and
// leaves the port closed, with RTS on and text input.
void Serial_Startup(SerialPort& port, WindowState& win, std::string_view storedPort,
                    const std::string& storedSettings);

struct ConnectResult {
    bool connected = false;        // false: the user has been told; the dialog stays open
    bool startAcquisition = false; // VeskMode: the printer-stream acquisition takes over
};

// OK of the settings dialog: port number, open, settings; then the capture of a link that
// was up is ended and the target's workspace is loaded (`imgScreen` is the graph view
// loading empties when the text view is hidden). The caller starts the fresh run. The
// failure message carries the port's own reason when it gives one. A workspace that cannot
// be loaded (its index held by another copy or unreadable) ends the link.
ConnectResult Form3_cmdOK_Click(const SerialSettingsForm& form, SerialPort& port, Workspace& ws,
                                WindowState& win, Services& services, LinkCapture& capture,
                                PictureSurface* imgScreen = nullptr);

// Ends the capture, closes the port, shows the link as down and, when the link was up,
// writes the workspace.
void mnuDisconnect_Click(SerialPort& port, Workspace& ws, WindowState& win, Services& services,
                         LinkCapture& capture);

// The port failed under the program (break, hang-up, adapter gone): handled as Disconnect,
// and the user is told once.
void Link_Lost(SerialPort& port, Workspace& ws, WindowState& win, Services& services,
               LinkCapture& capture, std::string_view reason);

} // namespace orvane
