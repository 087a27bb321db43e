#pragma once
// imgScreen: the graph view. It paints the full picture (imgTemp's image) unscaled with its
// top-left corner at (0, -offset); what lies outside the box is cut off.

#include <QImage>
#include <QWidget>

namespace orvane {

class GraphView final : public QWidget {
    Q_OBJECT
  public:
    explicit GraphView(QWidget* parent = nullptr);

    // The picture to show; it must outlive the view. nullptr shows a blank view.
    void SetImage(const QImage* image);
    // Pixels the picture is moved up.
    void SetOffset(int pixels);
    int Offset() const { return offset_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QImage* image_ = nullptr;
    int offset_ = 0;
};

} // namespace orvane
