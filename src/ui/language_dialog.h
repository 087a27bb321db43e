#pragma once
// Form6: the language of the header labels, English or German. It has no caption and is
// hidden, never destroyed, when closed, so the last choice stays selected.

#include <QButtonGroup>
#include <QDialog>
#include <QRadioButton>

#include <optional>

namespace orvane {

class LanguageDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit LanguageDialog(QWidget* parent = nullptr);

    // 1 for English, 2 for German; nothing while neither is selected.
    std::optional<int> SelectedLanguage() const;
    QRadioButton* Option1() const { return option1_; }
    QRadioButton* Option2() const { return option2_; }

  signals:
    void Accepted(std::optional<int> language);

  private:
    QRadioButton* option1_;
    QRadioButton* option2_;
    QButtonGroup group_;
};

} // namespace orvane
