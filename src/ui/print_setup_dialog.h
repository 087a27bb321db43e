#pragma once
// Print Setup: the printer, the paper and its orientation that Print then uses. OK applies
// the choice to the window's printer; Cancel changes nothing.

#include <QComboBox>
#include <QDialog>
#include <QPrinter>
#include <QRadioButton>

namespace orvane {

class PrintSetupDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit PrintSetupDialog(QPrinter& printer, QWidget* parent = nullptr);

    QComboBox* PrinterBox() const { return printerBox_; }
    QComboBox* PaperBox() const { return paperBox_; }
    QRadioButton* Portrait() const { return portrait_; }
    QRadioButton* Landscape() const { return landscape_; }

  private:
    // The paper sizes the chosen printer offers, the current one selected.
    void FillPaperBox(const QPageSize& current);
    void ApplyToPrinter();

    QPrinter& printer_;
    QComboBox* printerBox_;
    QComboBox* paperBox_;
    QRadioButton* portrait_;
    QRadioButton* landscape_;
};

} // namespace orvane
