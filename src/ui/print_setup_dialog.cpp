#include "ui/print_setup_dialog.h"

#include "ui/dialog_buttons.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPrinterInfo>
#include <QVBoxLayout>

namespace orvane {
namespace {

// Offered when no printer is installed or a printer names no sizes of its own.
constexpr QPageSize::PageSizeId CommonSizes[] = {QPageSize::A4,    QPageSize::Letter,
                                                 QPageSize::Legal, QPageSize::A3,
                                                 QPageSize::A5,    QPageSize::Executive};

} // namespace

PrintSetupDialog::PrintSetupDialog(QPrinter& printer, QWidget* parent)
    : QDialog(parent), printer_(printer), printerBox_(new QComboBox(this)),
      paperBox_(new QComboBox(this)), portrait_(new QRadioButton(QStringLiteral("Portrait"))),
      landscape_(new QRadioButton(QStringLiteral("Landscape"))) {
    setObjectName(QStringLiteral("PrintSetup"));
    setWindowTitle(QStringLiteral("Print Setup"));
    printerBox_->setObjectName(QStringLiteral("cboPrinter"));
    paperBox_->setObjectName(QStringLiteral("cboPaper"));

    printerBox_->addItems(QPrinterInfo::availablePrinterNames());
    printerBox_->setCurrentIndex(printerBox_->findText(printer_.printerName()));
    printerBox_->setEnabled(printerBox_->count() > 0);
    printerBox_->setPlaceholderText(QStringLiteral("No printer installed"));
    FillPaperBox(printer_.pageLayout().pageSize());
    connect(printerBox_, &QComboBox::currentTextChanged, this,
            [this] { FillPaperBox(paperBox_->currentData().value<QPageSize>()); });

    (printer_.pageLayout().orientation() == QPageLayout::Landscape ? landscape_ : portrait_)
        ->setChecked(true);
    auto* orientationRow = new QHBoxLayout;
    orientationRow->addWidget(portrait_);
    orientationRow->addWidget(landscape_);
    orientationRow->addStretch();

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Printer:"), printerBox_);
    fields->addRow(QStringLiteral("Paper &size:"), paperBox_);
    fields->addRow(QStringLiteral("Orientation:"), orientationRow);

    const auto [buttons, ok, cancel] = MakeOkCancelButtons(this);
    connect(ok, &QPushButton::clicked, this, [this] {
        ApplyToPrinter();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
}

void PrintSetupDialog::FillPaperBox(const QPageSize& current) {
    QList<QPageSize> sizes;
    if (printerBox_->count() > 0)
        sizes = QPrinterInfo::printerInfo(printerBox_->currentText()).supportedPageSizes();
    if (sizes.isEmpty()) {
        for (const QPageSize::PageSizeId id : CommonSizes)
            sizes << QPageSize(id);
    }
    paperBox_->clear();
    int selected = 0;
    for (const QPageSize& size : sizes) {
        if (size.isEquivalentTo(current))
            selected = paperBox_->count();
        paperBox_->addItem(size.name(), QVariant::fromValue(size));
    }
    paperBox_->setCurrentIndex(selected);
}

void PrintSetupDialog::ApplyToPrinter() {
    if (printerBox_->count() > 0)
        printer_.setPrinterName(printerBox_->currentText());
    printer_.setPageSize(paperBox_->currentData().value<QPageSize>());
    printer_.setPageOrientation(landscape_->isChecked() ? QPageLayout::Landscape
                                                        : QPageLayout::Portrait);
}

} // namespace orvane
