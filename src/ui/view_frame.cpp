#include "ui/view_frame.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>

namespace orvane {
namespace {

constexpr int TwipsPerPixel = 15;
constexpr int ScrollSmallChange = 100;
constexpr int ScrollLargeChange = 4695; // also the bar's height in twips at design size

} // namespace

ViewFrame::ViewFrame(QWidget* parent)
    : ElidedGroupBox(parent), text1_(new TextBoxView(this)), text2_(new TextBoxView(this)),
      imgScreen_(new GraphView(this)), scrGraphic_(new QScrollBar(Qt::Vertical, this)) {
    setObjectName(QStringLiteral("Frame2"));
    text1_->setObjectName(QStringLiteral("Text1"));
    text2_->setObjectName(QStringLiteral("Text2"));
    scrGraphic_->setObjectName(QStringLiteral("scrGraphic"));
    scrGraphic_->setFocusPolicy(Qt::NoFocus);
    scrGraphic_->setSingleStep(ScrollSmallChange);
    scrGraphic_->setPageStep(ScrollLargeChange);
    scrGraphic_->setRange(0, ScrollLargeChange);
    // The scroll bar is no tab stop; the graph view is, and its arrow and page keys scroll.
    imgScreen_->setFocusPolicy(Qt::StrongFocus);
    imgScreen_->installEventFilter(this);

    auto* grid = new QGridLayout(this);
    grid->setSpacing(0);
    // Text2 is laid exactly over Text1; the graph view and its scroll bar share their place.
    grid->addWidget(text1_, 0, 0, 1, 2);
    grid->addWidget(text2_, 0, 0, 1, 2);
    grid->addWidget(imgScreen_, 0, 0);
    grid->addWidget(scrGraphic_, 0, 1);
    grid->setColumnStretch(0, 1);

    text2_->hide();
    imgScreen_->hide();
    scrGraphic_->hide();
}

bool ViewFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == imgScreen_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown || key == Qt::Key_Home || key == Qt::Key_End)
            return QCoreApplication::sendEvent(scrGraphic_, event);
    }
    return QGroupBox::eventFilter(watched, event);
}

void ViewFrame::resizeEvent(QResizeEvent* event) {
    ElidedGroupBox::resizeEvent(event);
    // The scroll range is the bar's own height in twips: the picture scrolls one pixel per
    // ten units, so the deepest offset is one and a half view heights.
    scrGraphic_->setMaximum(layout()->contentsRect().height() * TwipsPerPixel);
}

} // namespace orvane
