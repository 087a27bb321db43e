#pragma once
// The running program: its devices, its window and the way it starts and ends.

#include "output/document_picture_filer.h"
#include "output/stamps.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_file_locks.h"
#include "platform/qt_launcher.h"
#include "platform/qt_picture_surface.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_settings_store.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "workspace/disk_file_system.h"

#include <memory>

namespace orvane {

// The program's version text (VersionLabel), shown by the splash and the About box.
std::string ProgramVersion();

// Owns the tables, the window state and the real devices, and the main window over them.
class Program {
  public:
    explicit Program(std::string dataRoot);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Loads the main window (start-up procedure) and shows it.
    void ShowMainWindow();

  private:
    DiskFileSystem files_;
    SystemClock clock_;
    QtDialogs dialogs_;
    QtFileLocks locks_;
    Services services_;
    QtSettingsStore settings_;
    QtSerialPort port_;
    QtClipboard clipboard_;
    QtPictureSurface imgScreen_;
    QtPictureSurface imgTemp_;
    QtLauncher launcher_;
    DocumentPictureFiler filer_;
    Workspace ws_;
    WindowState win_;
    std::unique_ptr<MainWindow> window_;
};

// Runs the program: splash, main window, event loop. Returns the exit code.
int RunApplication(int argc, char** argv);

} // namespace orvane
