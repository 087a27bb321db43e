#include "ui/rename_dialog.h"

#include "platform/cp1252.h"
#include "ui/dialog_buttons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {

RenameDialog::RenameDialog(QWidget* parent) : QDialog(parent), text1_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Rename"));
    setModal(false);

    auto* label1 = new QLabel(QStringLiteral("Name:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setBuddy(text1_);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMinimumWidth(240);

    const auto [buttons, ok, cancel] = MakeOkCancelButtons(this);
    connect(ok, &QPushButton::clicked, this, [this] {
        emit Accepted();
        text1_->clear();
        hide();
    });
    connect(this, &QDialog::rejected, text1_, &QLineEdit::clear);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(label1);
    row->addWidget(text1_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

void RenameDialog::Form_Load() {
    text1_->clear();
    show();
    raise();
    activateWindow();
    text1_->setFocus();
}

std::string RenameDialog::Name() const {
    return ToCp1252(text1_->text());
}

} // namespace orvane
