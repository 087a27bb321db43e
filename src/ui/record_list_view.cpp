#include "ui/record_list_view.h"

#include "platform/cp1252.h"

#include <QKeyEvent>
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
        // The context menu acts on the line under the pointer: it becomes the current one.
        if (const QModelIndex index = indexAt(event->position().toPoint()); index.isValid())
            setCurrentRow(index.row());
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

void RecordListView::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    emit MouseUp(event->button(), event->globalPosition().toPoint());
}

bool RecordListView::IsOverLine(QPoint globalPosition) const {
    return indexAt(viewport()->mapFromGlobal(globalPosition)).isValid();
}

void RecordListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        emit DblClick(currentRow());
}

void RecordListView::keyPressEvent(QKeyEvent* event) {
    const int line = currentRow();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                       modifiers == Qt::NoModifier;
    const bool menu = (event->key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
                      (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
    const bool remove = event->key() == Qt::Key_Delete && modifiers == Qt::NoModifier;
    if (line < 0 || !(enter || menu || remove)) {
        QListWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // The menu opens over the line it acts on, where a right click on it would open it.
    const QPoint atLine = viewport()->mapToGlobal(visualItemRect(item(line)).center());
    if (enter) {
        emit DblClick(line);
        emit MouseUp(Qt::LeftButton, atLine);
    } else if (menu) {
        emit MouseUp(Qt::RightButton, atLine);
    } else {
        emit DeleteKey();
    }
}

} // namespace orvane
