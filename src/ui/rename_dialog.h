#pragma once
// Form5, "Rename": the new name of a report or record. Modeless: the list stays usable while
// it is open, and OK acts on the line selected at that moment.

#include <QDialog>
#include <QLineEdit>

#include <string>

namespace orvane {

class RenameDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit RenameDialog(QWidget* parent = nullptr);

    // Form_Load: an empty box, shown without blocking the main window.
    void Form_Load();
    // The box text as Windows-1252 bytes.
    std::string Name() const;

  signals:
    void Accepted();

  private:
    QLineEdit* text1_;
};

} // namespace orvane
