#pragma once
// Form4, "Target": the three test-set families as options. Hidden, never destroyed, when
// closed, so the options keep their state between uses.

#include <QButtonGroup>
#include <QDialog>
#include <QRadioButton>

#include <array>
#include <optional>

namespace orvane {

class TargetDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit TargetDialog(QWidget* parent = nullptr);

    // The selected option, 0-based top to bottom; nothing when none is selected.
    std::optional<int> SelectedOption() const;
    void SelectOption(int option);
    QRadioButton* Option(int option) const { return options_.at(static_cast<std::size_t>(option)); }

  signals:
    // OK with the option selected at that moment.
    void Accepted(std::optional<int> option);

  private:
    std::array<QRadioButton*, 3> options_{};
    QButtonGroup group_;
};

} // namespace orvane
