#include "e2e_session.h"

#ifndef _WIN32

#include "platform/cp1252.h"
#include "ui/logic/target_selection.h"
#include "workspace/data_paths.h"

#include <QPushButton>
#include <QSettings>

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

bool PlaceSettings(const fs::path& config) {
    if (!testing::EnsureQtApplication())
        return false;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(config.string()));
    return true;
}

void ClickOk(QWidget* dialog) {
    dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
}

} // namespace

LiveSession::LiveSession(const fs::path& sessionFolder)
    : folder(sessionFolder), configHome("XDG_CONFIG_HOME", (folder / "config").c_str()),
      dataRoot("KAVREL_DATA_ROOT", (folder / "PLX").c_str()),
      placed(PlaceSettings(folder / "config")), services{files, clock, dialogs, DefaultDataRoot()},
      filer(files, services.dataRoot) {
    window = std::make_unique<MainWindow>(WindowContext{
        ws, win, services, settings, port, clipboard, imgScreen, imgTemp, launcher, filer});
    // Wired as the program wires its window.
    MainWindow* shown = window.get();
    QObject::connect(&port, &QtSerialPort::readyRead, shown, &MainWindow::OnPortReadyRead);
    QObject::connect(&port, &QtSerialPort::breakReceived, shown, &MainWindow::OnBreakReceived);
    QObject::connect(&port, &QtSerialPort::linkLost, shown,
                     [shown](const QString& reason) { shown->OnLinkLost(ToCp1252(reason)); });
}

LiveSession::~LiveSession() {
    window.reset();
}

fs::path LiveSession::PortsFolder(const fs::path& folder) {
    return folder / "config" / "Kavrel" / "ports";
}

void LiveSession::Start(std::int32_t type) {
    window->Form_Load();
    window->show();
    window->Menus().mnuTarget->trigger();
    window->Form4()->Option(TargetOption(type).value_or(0))->setChecked(true);
    ClickOk(window->Form4());
}

bool LiveSession::Connect(int com) {
    window->Menus().mnuConnect->trigger();
    if (!window->Form3())
        return false;
    window->Form3()->cboPort()->setCurrentIndex(com - 1);
    window->Form3()->CboSpeed()->setCurrentText(QStringLiteral("38400"));
    ClickOk(window->Form3());
    return ws.Connected;
}

void LiveSession::Disconnect() {
    window->Menus().mnuDisconnect->trigger();
}

fs::path LiveSession::DataPath(const std::string& relative) const {
    return folder / "PLX" / relative;
}

std::vector<std::string> TestsetOptions(const fs::path& folder, int com,
                                        std::vector<std::string> options) {
    options.insert(options.end(), {"--com", std::to_string(com), "--ports-dir",
                                   LiveSession::PortsFolder(folder).string()});
    return options;
}

} // namespace orvane::e2e

#endif
