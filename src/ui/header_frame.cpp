#include "ui/header_frame.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace orvane {
namespace {

constexpr const char* LabelNames[] = {"labCompany", "labTechnician", "labTicket", "labComment"};
constexpr const char* DesignCaptions[] = {"Company:", "Technician:", "Ticket/Order:", "Comments:"};
constexpr const char* BoxNames[] = {"Text3", "Text4", "Text5", "Text6"};

} // namespace

HeaderFrame::HeaderFrame(QWidget* parent)
    : QGroupBox(QStringLiteral("User's Info."), parent),
      cmdOK_(new QPushButton(QStringLiteral("Save User's Info"), this)),
      cmdCancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("Frame3"));
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i] = new QLabel(QString::fromLatin1(DesignCaptions[i]), this);
        labels_[i]->setObjectName(QString::fromLatin1(LabelNames[i]));
        boxes_[i] = new QLineEdit(this);
        boxes_[i]->setObjectName(QString::fromLatin1(BoxNames[i]));
        labels_[i]->setBuddy(boxes_[i]);
    }
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    // Tab reads the frame as the eye does: the boxes first, then the buttons beside them.
    setTabOrder(boxes_.back(), cmdOK_);
    setTabOrder(cmdOK_, cmdCancel_);

    // Company, Technician and Ticket/Order side by side; Comments below across all three.
    auto* fields = new QGridLayout;
    for (int column = 0; column < 3; ++column) {
        fields->addWidget(labels_[static_cast<std::size_t>(column)], 0, column);
        fields->addWidget(boxes_[static_cast<std::size_t>(column)], 1, column);
        fields->setColumnStretch(column, 1);
    }
    fields->addWidget(labels_[3], 2, 0, 1, 3);
    fields->addWidget(boxes_[3], 3, 0, 1, 3);

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdCancel_);
    buttons->addStretch();

    auto* row = new QHBoxLayout(this);
    row->addLayout(fields, 1);
    row->addSpacing(12);
    row->addLayout(buttons);
}

} // namespace orvane
