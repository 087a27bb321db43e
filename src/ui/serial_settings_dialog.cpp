#include "ui/serial_settings_dialog.h"

#include "platform/com_ports.h"
#include "platform/cp1252.h"
#include "ui/dialog_buttons.h"
#include "ui/elided_text.h"

#include <QAbstractItemView>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace orvane {
namespace {

QComboBox* MakeCombo(const char* name, const ComboBox& box, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& item : box.items)
        combo->addItem(FromCp1252(item));
    combo->setCurrentIndex(box.selected);
    combo->setEditText(FromCp1252(box.text));
    return combo;
}

// In the port list every "COM n" shows the device it reaches beside it; the box itself
// keeps the plain "COM n" of the chosen item.
class ComPortDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString device = index.data(Qt::ToolTipRole).toString();
        if (!device.isEmpty())
            option->text = device;
    }
};

ComboBox ReadCombo(const QComboBox* combo) {
    ComboBox box;
    for (int i = 0; i < combo->count(); ++i)
        box.items.push_back(ToCp1252(combo->itemText(i)));
    box.text = ToCp1252(combo->currentText());
    // As a list box reports it: a position only while the text is one of the items.
    box.selected = combo->findText(combo->currentText(), Qt::MatchExactly);
    return box;
}

} // namespace

SerialSettingsDialog::SerialSettingsDialog(int commPort, const std::string& settings,
                                           ConnectHandler onConnect, QWidget* parent)
    : QDialog(parent), connect_(std::move(onConnect)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Serial Port Settings"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    SerialSettingsForm form;
    LoadPropertySettings(form, commPort, settings);
    cboPort_ = MakeCombo("cboPort", form.cboPort, this);
    cboSpeed_ = MakeCombo("CboSpeed", form.CboSpeed, this);
    cboDataBits_ = MakeCombo("CboDataBits", form.CboDataBits, this);
    cboParity_ = MakeCombo("cboParity", form.cboParity, this);
    cboStopBits_ = MakeCombo("cboStopBits", form.cboStopBits, this);

    for (int i = 0; i < cboPort_->count(); ++i)
        cboPort_->setItemData(i, FromCp1252(DescribeComPort(i + 1)), Qt::ToolTipRole);
    cboPort_->setItemDelegate(new ComPortDelegate(cboPort_));
    FitPortListToDevices();
    device_ = new ElidedLabel(this);
    device_->setObjectName(QStringLiteral("lblDevice"));
    device_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* pointAt = new QPushButton(QStringLiteral("Device..."), this);
    pointAt->setObjectName(QStringLiteral("cmdDevice"));
    pointAt->setToolTip(QStringLiteral("Point this COM number at a serial device"));
    connect(pointAt, &QPushButton::clicked, this, &SerialSettingsDialog::ChooseDevice);
    connect(cboPort_, &QComboBox::currentTextChanged, this, &SerialSettingsDialog::ShowDevice);
    ShowDevice();

    auto* portRow = new QHBoxLayout;
    portRow->addWidget(cboPort_, 1);
    portRow->addWidget(pointAt);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Serial Port"), portRow);
    fields->addRow(QString(), device_);
    fields->addRow(QStringLiteral("Baud Rate"), cboSpeed_);
    fields->addRow(QStringLiteral("Data Bits"), cboDataBits_);
    fields->addRow(QStringLiteral("Parity"), cboParity_);
    fields->addRow(QStringLiteral("Stop Bits"), cboStopBits_);

    const auto [buttons, ok, cancel] = MakeOkCancelButtons(this);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (connect_ && connect_(Form()))
            close();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
}

SerialSettingsForm SerialSettingsDialog::Form() const {
    return {ReadCombo(cboPort_), ReadCombo(cboSpeed_), ReadCombo(cboDataBits_),
            ReadCombo(cboParity_), ReadCombo(cboStopBits_)};
}

void SerialSettingsDialog::ShowDevice() {
    const int number = SelectedCommPort(Form());
    device_->setText(number > 0 ? FromCp1252(DescribeComPort(number)) : QString());
}

void SerialSettingsDialog::FitPortListToDevices() {
    const QFontMetrics metrics(cboPort_->view()->font());
    int widest = 0;
    for (int i = 0; i < cboPort_->count(); ++i)
        widest = std::max(
            widest, metrics.horizontalAdvance(cboPort_->itemData(i, Qt::ToolTipRole).toString()));
    // Room for the item's margins and the list's scroll bar.
    cboPort_->view()->setMinimumWidth(widest + 4 * metrics.averageCharWidth() +
                                      cboPort_->view()->verticalScrollBar()->sizeHint().width());
}

void SerialSettingsDialog::ChooseDevice() {
    const int number = SelectedCommPort(Form());
    if (number <= 0)
        return;
    QStringList devices;
    for (const SerialDeviceInfo& info : AvailableSerialDevices())
        devices << QFile::decodeName(QByteArray::fromStdString(info.path));
    const ComPortMapping current = ResolveComPort(number);
    const QString currentPath = QFile::decodeName(QByteArray::fromStdString(current.devicePath));
    if (!currentPath.isEmpty() && !devices.contains(currentPath))
        devices.prepend(currentPath);
    bool ok = false;
    const QString chosen = QInputDialog::getItem(
        this, QStringLiteral("COM %1").arg(number),
        QStringLiteral("Device for COM %1 (choose or type a path):").arg(number), devices,
        static_cast<int>(std::max<qsizetype>(devices.indexOf(currentPath), 0)), true, &ok);
    if (!ok || chosen.trimmed().isEmpty())
        return;
    std::string error;
    if (!PointComPortAt(number, QFile::encodeName(chosen.trimmed()).toStdString(), error))
        QMessageBox::warning(this, QStringLiteral("Orvane Reporter"), FromCp1252(error));
    cboPort_->setItemData(number - 1, FromCp1252(DescribeComPort(number)), Qt::ToolTipRole);
    FitPortListToDevices();
    ShowDevice();
}

} // namespace orvane
