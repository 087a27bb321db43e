#pragma once
// Form3, the serial settings: five editable combo boxes filled from the port when the dialog
// opens. Beside the port box stands the device that COM number reaches, and the number can
// be pointed at any device. The dialog is deleted when closed and made afresh next time.

#include "serial/serial_settings.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>

#include <functional>

namespace orvane {

class SerialSettingsDialog final : public QDialog {
    Q_OBJECT
  public:
    // OK hands the boxes to `onConnect`, which returns true when the link is up: the dialog
    // then closes; otherwise it stays open for another try.
    using ConnectHandler = std::function<bool(const SerialSettingsForm&)>;

    SerialSettingsDialog(int commPort, const std::string& settings, ConnectHandler onConnect,
                         QWidget* parent = nullptr);

    // The boxes as the user left them.
    SerialSettingsForm Form() const;

    QComboBox* cboPort() const { return cboPort_; }
    QComboBox* CboSpeed() const { return cboSpeed_; }
    QComboBox* CboDataBits() const { return cboDataBits_; }
    QComboBox* cboParity() const { return cboParity_; }
    QComboBox* cboStopBits() const { return cboStopBits_; }
    QLabel* DeviceLabel() const { return device_; }

  private:
    void ShowDevice();
    // The port list is wide enough to show every device beside its number.
    void FitPortListToDevices();
    void ChooseDevice();

    QComboBox* cboPort_;
    QComboBox* cboSpeed_;
    QComboBox* cboDataBits_;
    QComboBox* cboParity_;
    QComboBox* cboStopBits_;
    QLabel* device_;
    ConnectHandler connect_;
};

} // namespace orvane
