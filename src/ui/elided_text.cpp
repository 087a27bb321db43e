#include "ui/elided_text.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace orvane {
namespace {

// Room the group box's frame and the gaps beside its caption take.
constexpr int CaptionMargin = 24;
// Widths of a label, in average characters: what it asks for at most, and needs at least.
constexpr int LabelPreferredChars = 40;
constexpr int LabelMinimumChars = 8;

// Shows `text` as the tooltip of `widget` when what is shown of it is cut.
bool ShowWholeText(QEvent* event, QWidget* widget, const QString& text, bool cut) {
    if (event->type() != QEvent::ToolTip || !cut || !widget->toolTip().isEmpty())
        return false;
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, widget);
    return true;
}

} // namespace

QString ElidedText(const QFontMetrics& metrics, const QString& text, int width) {
    return metrics.elidedText(text, Qt::ElideRight, std::max(width, 0));
}

QString ElidedLabel::Shown() const {
    return ElidedText(fontMetrics(), text(), contentsRect().width());
}

QSize ElidedLabel::sizeHint() const {
    const QSize whole = QLabel::sizeHint();
    return {std::min(whole.width(), LabelPreferredChars * fontMetrics().averageCharWidth()),
            whole.height()};
}

QSize ElidedLabel::minimumSizeHint() const {
    return {LabelMinimumChars * fontMetrics().averageCharWidth(),
            QLabel::minimumSizeHint().height()};
}

bool ElidedLabel::event(QEvent* event) {
    return ShowWholeText(event, this, text(), Shown() != text()) || QLabel::event(event);
}

void ElidedLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(),
                          Shown(), foregroundRole());
}

void ElidedGroupBox::SetCaption(const QString& caption) {
    caption_ = caption;
    FitCaption();
}

QSize ElidedGroupBox::minimumSizeHint() const {
    // What the contents need; the caption is cut to the width the box gets.
    return QWidget::minimumSizeHint();
}

bool ElidedGroupBox::event(QEvent* event) {
    const bool overCaption = event->type() == QEvent::ToolTip &&
                             static_cast<QHelpEvent*>(event)->pos().y() < contentsRect().top();
    return (overCaption && ShowWholeText(event, this, caption_, title() != caption_)) ||
           QGroupBox::event(event);
}

void ElidedGroupBox::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    FitCaption();
}

void ElidedGroupBox::FitCaption() {
    const QString fitted = ElidedText(fontMetrics(), caption_, width() - CaptionMargin);
    if (title() != fitted)
        setTitle(fitted);
}

} // namespace orvane
