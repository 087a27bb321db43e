#pragma once
// Everything the main window works on besides its widgets: the tables, what the controls
// show, and the devices the procedures reach. The program (or a test) owns them.

#include "output/launcher.h"
#include "platform/qt_picture_surface.h"
#include "serial/acquisition_picture_filer.h"
#include "serial/serial_port.h"
#include "workspace/clipboard.h"
#include "workspace/services.h"
#include "workspace/settings_store.h"
#include "workspace/window_state.h"
#include "workspace/workspace.h"

namespace orvane {

struct WindowContext {
    Workspace& ws;
    WindowState& win;
    Services& services;
    SettingsStore& settings;
    SerialPort& port;
    Clipboard& clipboard;
    QtPictureSurface& imgScreen;
    QtPictureSurface& imgTemp; // never shown itself: the source of every repaint of imgScreen
    Launcher& launcher;
    PictureFiler& filer;
};

} // namespace orvane
