#include "ui/language_dialog.h"

#include "ui/dialog_buttons.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace orvane {

LanguageDialog::LanguageDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form6"));
    // No caption of its own. An empty title would make the window system show the
    // application's name, which is the main window's caption: a blank keeps it empty.
    setWindowTitle(QStringLiteral(" "));
    // A screen reader still needs to say what the dialog is for: its frame's caption.
    setAccessibleName(QStringLiteral("Language"));
    setModal(false);

    auto* frame = new QGroupBox(QStringLiteral("Language"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    option1_ = new QRadioButton(QStringLiteral("English"), frame);
    option1_->setObjectName(QStringLiteral("Option1"));
    option2_ = new QRadioButton(QStringLiteral("German"), frame);
    option2_->setObjectName(QStringLiteral("Option2"));
    group_.addButton(option1_, 1);
    group_.addButton(option2_, 2);
    auto* column = new QVBoxLayout(frame);
    column->addWidget(option1_);
    column->addWidget(option2_);

    LayOutOptionDialog(this, frame, [this] { emit Accepted(SelectedLanguage()); });
}

std::optional<int> LanguageDialog::SelectedLanguage() const {
    const int id = group_.checkedId();
    return id > 0 ? std::optional<int>(id) : std::nullopt;
}

} // namespace orvane
