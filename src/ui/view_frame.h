#pragma once
// Frame2, the view area: the text views Text1 and Text2 laid over each other, and the graph
// view imgScreen with its scroll bar scrGraphic at the same place. Its caption, the shown
// record's name, is cut to the frame's width.

#include "ui/elided_text.h"
#include "ui/graph_view.h"
#include "ui/text_box_view.h"

#include <QScrollBar>

namespace orvane {

class ViewFrame final : public ElidedGroupBox {
    Q_OBJECT
  public:
    explicit ViewFrame(QWidget* parent = nullptr);

    TextBoxView* Text1() const { return text1_; }
    TextBoxView* Text2() const { return text2_; }
    GraphView* imgScreen() const { return imgScreen_; }
    QScrollBar* scrGraphic() const { return scrGraphic_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    TextBoxView* text1_;
    TextBoxView* text2_;
    GraphView* imgScreen_;
    QScrollBar* scrGraphic_;
};

} // namespace orvane
