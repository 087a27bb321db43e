#pragma once
// Frame3, "User's Info.": the four header boxes of the current report with their captions
// and the buttons that store or empty them.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace orvane {

class HeaderFrame final : public QGroupBox {
    Q_OBJECT
  public:
    explicit HeaderFrame(QWidget* parent = nullptr);

    // labCompany, labTechnician, labTicket, labComment
    const std::array<QLabel*, 4>& Labels() const { return labels_; }
    // Text3 (company), Text4 (technician), Text5 (ticket/order), Text6 (comment)
    const std::array<QLineEdit*, 4>& Boxes() const { return boxes_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }

  private:
    std::array<QLabel*, 4> labels_{};
    std::array<QLineEdit*, 4> boxes_{};
    QPushButton* cmdOK_;
    QPushButton* cmdCancel_;
};

} // namespace orvane
