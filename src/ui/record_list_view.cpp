#include "ui/record_list_view.h"

#include "platform/cp1252.h"

#include <QMouseEvent>

namespace orvane {

RecordListView::RecordListView(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("List1"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!rendering_)
            emit Click(row);
    });
}

void RecordListView::Render(const Workspace& ws, int currentLine) {
    rendering_ = true;
    const int lines = std::clamp<int>(ws.ListCount, 0, MaxListLines);
    while (count() > lines)
        delete takeItem(count() - 1);
    for (int i = 0; i < lines; ++i) {
        const QString text = FromCp1252(ws.ListText[static_cast<std::size_t>(i)]);
        if (i < count()) {
            if (item(i)->text() != text)
                item(i)->setText(text);
        } else {
            addItem(text);
        }
    }
    const int current = currentLine >= 0 && currentLine < lines ? currentLine : -1;
    if (currentRow() != current)
        setCurrentRow(current);
    rendering_ = false;
}

void RecordListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

void RecordListView::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    emit MouseUp(event->button(), event->globalPosition().toPoint());
}

void RecordListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        emit DblClick(currentRow());
}

} // namespace orvane
