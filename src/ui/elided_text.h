#pragma once
// User text of any length in the width a widget is given: elided with "…" when it is
// longer, the whole text in the tooltip. Size hints never follow such a text, so a long name
// never widens a window.

#include <QGroupBox>
#include <QLabel>

namespace orvane {

// `text` as it fits into `width` pixels of `metrics`.
QString ElidedText(const QFontMetrics& metrics, const QString& text, int width);

// A one-line label whose text() stays whole while it paints what fits.
class ElidedLabel final : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QString Shown() const;
};

// A group box whose caption is user text.
class ElidedGroupBox : public QGroupBox {
    Q_OBJECT
  public:
    using QGroupBox::QGroupBox;

    // The whole caption; title() is what fits of it.
    void SetCaption(const QString& caption);
    const QString& Caption() const { return caption_; }

    QSize minimumSizeHint() const override;

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FitCaption();

    QString caption_;
};

} // namespace orvane
