#include "ui/graph_view.h"

#include <QPaintEvent>
#include <QPainter>

namespace orvane {

GraphView::GraphView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("imgScreen"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphView::SetImage(const QImage* image) {
    image_ = image;
    update();
}

void GraphView::SetOffset(int pixels) {
    if (pixels == offset_)
        return;
    offset_ = pixels;
    update();
}

QSize GraphView::sizeHint() const {
    return {521, 313};
} // 7815 x 4695 twips

void GraphView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (image_ && !image_->isNull())
        painter.drawImage(QPoint(0, -offset_), *image_);
}

} // namespace orvane
