#include "ui/application.h"

#include "platform/printing.h"
#include "ui/icons.h"
#include "ui/splash_window.h"
#include "ui/termination_signals.h"
#include "workspace/data_paths.h"

#include <QApplication>

#include <clocale>

namespace orvane {

std::string ProgramVersion() {
    return ORVANE_VERSION;
}

Program::Program(std::string dataRoot)
    : services_{files_, clock_, dialogs_, std::move(dataRoot), &locks_, LocalePaper()},
      filer_(files_, services_.dataRoot, &locks_, services_.paper) {
    ws_.VersionLabel = ProgramVersion();
    window_ = std::make_unique<MainWindow>(WindowContext{ws_, win_, services_, settings_, port_,
                                                         clipboard_, imgScreen_, imgTemp_,
                                                         launcher_, filer_});
    dialogs_.SetParent(window_.get());
    MainWindow* window = window_.get();
    QObject::connect(&port_, &QtSerialPort::readyRead, window, &MainWindow::OnPortReadyRead);
    QObject::connect(&port_, &QtSerialPort::breakReceived, window, &MainWindow::OnBreakReceived);
    QObject::connect(&port_, &QtSerialPort::linkLost, window, [window](const QString& reason) {
        window->OnLinkLost(reason.toLocal8Bit().toStdString());
    });
}

// The window goes first: it may still reach the devices while it closes.
Program::~Program() {
    window_.reset();
}

void Program::ShowMainWindow() {
    window_->Form_Load();
    window_->show();
}

int RunApplication(int argc, char** argv) {
    // The time stamps follow the user's own time format.
    std::setlocale(LC_TIME, "");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane Reporter"));
    QApplication::setApplicationVersion(QString::fromStdString(ProgramVersion()));
    QApplication::setWindowIcon(QIcon(LogoPixmap(64)));
    // The desktop matches the window to its launcher entry (and icon) by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orvane.Reporter"));
    // The main window ends the program itself, after storing settings and the workspace.
    QApplication::setQuitOnLastWindowClosed(false);
    QuitOnTerminationSignals();

    Program program(DefaultDataRoot());
    SplashWindow splash(QString::fromStdString(ProgramVersion()));
    QObject::connect(&splash, &SplashWindow::Finished, &app,
                     [&program] { program.ShowMainWindow(); });
    splash.show();
    return QApplication::exec();
}

} // namespace orvane
