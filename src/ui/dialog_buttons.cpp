#include "ui/dialog_buttons.h"

#include <QVBoxLayout>

namespace orvane {

DialogButtons MakeOkCancelButtons(QWidget* dialog) {
    auto* box = new QDialogButtonBox(dialog);
    QPushButton* ok = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    QPushButton* cancel = box->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    return {box, ok, cancel};
}

void LayOutOptionDialog(QDialog* dialog, QWidget* frame, std::function<void()> accept) {
    const auto [buttons, ok, cancel] = MakeOkCancelButtons(dialog);
    QObject::connect(ok, &QPushButton::clicked, dialog, [dialog, accept = std::move(accept)] {
        accept();
        dialog->hide();
    });
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::hide);

    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace orvane
