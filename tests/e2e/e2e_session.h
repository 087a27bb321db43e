#pragma once
// The program as a technician runs it, inside the test process: the main window over a data
// root and settings folder of its own, with the real serial port, disk, clock, picture
// surfaces and clipboard. Message boxes are recorded instead of shown, and no word
// processor is started.

#ifndef _WIN32

#include "output/document_picture_filer.h"
#include "output/stamps.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_picture_surface.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_settings_store.h"
#include "support/fakes.h"
#include "support/output_fakes.h"
#include "support/pty_testset.h"
#include "support/qt_application.h"
#include "support/scoped_env.h"
#include "ui/main_window.h"
#include "workspace/disk_file_system.h"

#include <QtCore/qtestsupport_core.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace orvane::e2e {

// Only guards against hangs: everything waited for normally comes within a few seconds.
inline constexpr int HangGuardMs = 60000;

// The child run of the test program (crash test, tools/measure-cpu): the folder it works in,
// the target ("tarn" or "vesk") and the COM number it connects to.
inline constexpr char ChildFolderVariable[] = "ORVANE_E2E_CHILD_FOLDER";
inline constexpr char ChildTargetVariable[] = "ORVANE_E2E_CHILD_TARGET";
inline constexpr char ChildComVariable[] = "ORVANE_E2E_CHILD_COM";
inline constexpr char ChildConnectedLine[] = "e2e-child: connected";

struct LiveSession {
    // `folder` holds the data root (PLX) and the user's configuration (config: settings and
    // COM links); both persist for a later session over the same folder.
    explicit LiveSession(const std::filesystem::path& folder);
    ~LiveSession();
    LiveSession(const LiveSession&) = delete;
    LiveSession& operator=(const LiveSession&) = delete;

    // Where the simulated test set publishes its COM links for this session.
    static std::filesystem::path PortsFolder(const std::filesystem::path& folder);

    // Loads and shows the window, then chooses the target family `type` in the target dialog.
    void Start(std::int32_t type);
    // OK of the serial settings dialog with "COM <com>" chosen; true when the link is up.
    bool Connect(int com);
    void Disconnect();

    std::filesystem::path DataPath(const std::string& relative) const;
    MainWindow& Window() { return *window; }

    const std::filesystem::path folder;
    testing::ScopedEnv configHome;
    testing::ScopedEnv dataRoot;
    const bool placed; // the Qt application exists and the settings live in the folder
    DiskFileSystem files;
    SystemClock clock;
    testing::FakeDialogs dialogs;
    Services services;
    QtSettingsStore settings;
    QtSerialPort port;
    QtClipboard clipboard;
    QtPictureSurface imgScreen;
    QtPictureSurface imgTemp;
    testing::RecordingLauncher launcher;
    DocumentPictureFiler filer;
    Workspace ws;
    WindowState win;
    // Last, so that it goes first: it may still reach the devices while it closes.
    std::unique_ptr<MainWindow> window;
};

// Test set options that publish COM<com> in the session folder's ports folder.
std::vector<std::string> TestsetOptions(const std::filesystem::path& folder, int com,
                                        std::vector<std::string> options);

} // namespace orvane::e2e

#endif
