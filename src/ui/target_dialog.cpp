#include "ui/target_dialog.h"

#include "platform/cp1252.h"
#include "ui/dialog_buttons.h"
#include "ui/logic/target_selection.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace orvane {

TargetDialog::TargetDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Target"));
    setModal(false);

    auto* frame = new QGroupBox(QStringLiteral("Target"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* column = new QVBoxLayout(frame);
    for (std::size_t i = 0; i < options_.size(); ++i) {
        options_[i] = new QRadioButton(FromCp1252(TargetFamilies[i].optionCaption), frame);
        options_[i]->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        group_.addButton(options_[i], static_cast<int>(i));
        column->addWidget(options_[i]);
    }

    LayOutOptionDialog(this, frame, [this] { emit Accepted(SelectedOption()); });
}

std::optional<int> TargetDialog::SelectedOption() const {
    const int id = group_.checkedId();
    return id >= 0 ? std::optional<int>(id) : std::nullopt;
}

void TargetDialog::SelectOption(int option) {
    if (option >= 0 && option < static_cast<int>(options_.size()))
        options_[static_cast<std::size_t>(option)]->setChecked(true);
}

} // namespace orvane
