#pragma once
// The main window over a temporary data root and settings folder, with the real file system,
// picture surfaces and clipboard, a scripted serial port and answering message boxes.

#include "report_builders.h"

#include "output/document_picture_filer.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_picture_surface.h"
#include "platform/qt_settings_store.h"
#include "support/fake_serial_port.h"
#include "support/fakes.h"
#include "support/output_fakes.h"
#include "support/qt_application.h"
#include "support/scoped_env.h"
#include "ui/main_window.h"
#include "workspace/disk_file_system.h"

#include <QLabel>
#include <QSettings>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace orvane::ui_testing {

// The devices and tables of one run of the program; a later run over the same folders reads
// what an earlier one stored.
struct ProgramRun {
    explicit ProgramRun(const std::string& dataRoot)
        : services{files, clock, dialogs, dataRoot, &locks} {}

    DiskFileSystem files;
    testing::FakeClock clock;
    testing::FakeDialogs dialogs;
    testing::FakeLocks locks;
    Services services;
    QtSettingsStore settings;
    testing::FakeSerialPort port;
    QtClipboard clipboard;
    QtPictureSurface imgScreen;
    QtPictureSurface imgTemp;
    testing::RecordingLauncher launcher;
    DocumentPictureFiler filer{files, services.dataRoot};
    Workspace ws;
    WindowState win;
    MainWindow window{WindowContext{ws, win, services, settings, port, clipboard, imgScreen,
                                    imgTemp, launcher, filer}};
};

class WindowTest : public ::testing::Test {
  protected:
    WindowTest() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString((dir.path() / "config").string()));
    }
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }

    std::filesystem::path DataPath(const std::string& relative) const {
        return dir.path() / "PLX" / relative;
    }

    // The window of a new run, started and shown.
    MainWindow& Started() {
        run = std::make_unique<ProgramRun>((dir.path() / "PLX").string());
        run->window.Form_Load();
        run->window.show();
        return run->window;
    }

    static void Press(QWidget* dialog, const char* button) {
        dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    }
    // Connects through the serial settings dialog's OK with the boxes as the port filled them.
    void Connect(MainWindow& window) {
        window.Menus().mnuConnect->trigger();
        Press(window.Form3(), "cmdOK");
        ASSERT_TRUE(run->ws.Connected);
    }
    static void ChooseTarget(MainWindow& window, int option) {
        window.Menus().mnuTarget->trigger();
        window.Form4()->Option(option)->setChecked(true);
        Press(window.Form4(), "cmdOK");
    }
    static void ChooseLanguage(MainWindow& window,
                               QRadioButton* (LanguageDialog::*option)() const) {
        window.Menus().mnuLanguage->trigger();
        (window.Form6()->*option)()->setChecked(true);
        Press(window.Form6(), "cmdOK");
    }

    // A click on list line `line`; a double click is made as a user makes it: press, release,
    // double click, release (QTest's double click is the double-click event alone).
    static void ClickLine(MainWindow& window, int line, Qt::MouseButton button = Qt::LeftButton,
                          bool twice = false) {
        QWidget* viewport = window.List1()->viewport();
        const QPoint at = window.List1()->visualItemRect(window.List1()->item(line)).center();
        QTest::mouseClick(viewport, button, {}, at);
        if (twice) {
            QTest::mouseDClick(viewport, button, {}, at);
            QTest::mouseRelease(viewport, button, {}, at);
        }
    }

    static QStringList Texts(const auto& widgets) {
        QStringList texts;
        for (const auto* widget : widgets)
            texts << widget->text();
        return texts;
    }
    static QStringList ListLines(MainWindow& window) {
        return Texts(window.List1()->findItems("*", Qt::MatchWildcard));
    }

    // Types `text` key by key into `widget`, letters beyond ASCII included.
    static void Type(QWidget* widget, const QString& text) {
        for (const QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), {});
    }

    testing::TempDir dir;
    testing::ScopedEnv configHome{"XDG_CONFIG_HOME", (dir.path() / "config").string().c_str()};
    std::unique_ptr<ProgramRun> run;
};

} // namespace orvane::ui_testing
