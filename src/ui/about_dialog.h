#pragma once
// Form2, "About Kavrel": logo, title, version and support contacts; OK hides it.

#include <QDialog>
#include <QLabel>

namespace orvane {

class AboutDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // Form_Load: fills the labels and shows the box without blocking the main window.
    // Texts are Windows-1252 bytes.
    void Form_Load(const std::string& title, const std::string& version,
                   const std::string& support);

  private:
    QLabel* lblTitle_;
    QLabel* lblVersion_;
    QLabel* label1_;
};

} // namespace orvane
