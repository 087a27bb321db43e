#pragma once
// The main window over a temporary data root and settings folder, with the real file system,
// picture surfaces and clipboard, a scripted serial port and answering message boxes.

#include "output/document_picture_filer.h"
#include "output/launcher.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_picture_surface.h"
#include "platform/qt_settings_store.h"
#include "support/fake_serial_port.h"
#include "support/fakes.h"
#include "support/qt_application.h"
#include "support/scoped_env.h"
#include "ui/main_window.h"
#include "workspace/disk_file_system.h"

#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace orvane::window_testing {

class RecordingLauncher final : public Launcher {
  public:
    std::vector<std::string> opened;
    bool OpenInWordProcessor(const std::string& path) override {
        opened.push_back(path);
        return true;
    }
    bool HasSpreadsheet() override { return true; }
    bool OpenInSpreadsheet(const std::string& path) override {
        opened.push_back(path);
        return true;
    }
};

// The devices and tables of one run of the program; a second run over the same folders
// reads what the first one stored.
struct ProgramRun {
    explicit ProgramRun(const std::string& dataRoot) : services{files, clock, dialogs, dataRoot} {}

    MainWindow& Window() {
        if (!window) {
            window = std::make_unique<MainWindow>(WindowContext{
                ws, win, services, settings, port, clipboard, imgScreen, imgTemp, launcher, filer});
        }
        return *window;
    }

    DiskFileSystem files;
    testing::FakeClock clock;
    testing::FakeDialogs dialogs;
    Services services;
    QtSettingsStore settings;
    testing::FakeSerialPort port;
    QtClipboard clipboard;
    QtPictureSurface imgScreen;
    QtPictureSurface imgTemp;
    RecordingLauncher launcher;
    DocumentPictureFiler filer{files, services.dataRoot};
    Workspace ws;
    WindowState win;
    std::unique_ptr<MainWindow> window;
};

class WindowTest : public ::testing::Test {
  protected:
    WindowTest() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString((dir.path() / "config").string()));
        run = std::make_unique<ProgramRun>(DataRoot());
    }
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }

    std::string DataRoot() const { return (dir.path() / "PLX").string(); }
    std::filesystem::path DataPath(const std::string& relative) const {
        return dir.path() / "PLX" / relative;
    }

    // A started window: the start-up procedure has run and the window shows.
    MainWindow& Started() {
        MainWindow& window = run->Window();
        window.Form_Load();
        window.show();
        return window;
    }

    // Connects through the serial settings dialog's OK with the boxes as the port filled them.
    void Connect(MainWindow& window) {
        window.Menus().mnuConnect->trigger();
        ASSERT_NE(window.Form3(), nullptr);
        window.Form3()->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        ASSERT_TRUE(run->ws.Connected);
    }

    // A closed report with its header fields at the end of the list.
    int AddReport(const std::string& name);
    // A record of report `r`, listed once the report is opened.
    int AddRecord(int r, std::int16_t kind, const std::string& text, const std::string& stamp);

    // Left double click on list line `line`, as a user does it: press, release, double
    // click, release.
    void DoubleClickLine(MainWindow& window, int line);
    void ClickLine(MainWindow& window, int line, Qt::MouseButton button = Qt::LeftButton);
    QStringList ListLines(MainWindow& window) const;
    // Types `text` key by key into `widget`, letters beyond ASCII included.
    static void Type(QWidget* widget, const QString& text);

    testing::TempDir dir;
    testing::ScopedEnv configHome{"XDG_CONFIG_HOME", (dir.path() / "config").string().c_str()};
    std::unique_ptr<ProgramRun> run;
};

} // namespace orvane::window_testing
