#pragma once
// List1, the record list. It reports the user's clicks as the procedures expect them: a
// selection change, a double click, and every button release. A right-button press makes
// the line under the pointer current, so the context menu acts on the line clicked.
// The keyboard reaches the same procedures: Enter is a double click on the current line,
// the Menu key and Shift+F10 a right click on it, Delete the context menu's Delete.

#include "workspace/workspace.h"

#include <QListWidget>

namespace orvane {

class RecordListView final : public QListWidget {
    Q_OBJECT
  public:
    explicit RecordListView(QWidget* parent = nullptr);

    // Shows lines 0..ListCount-1 of the list mirror with `currentLine` current (-1: none);
    // emits nothing.
    void Render(const Workspace& ws, int currentLine);

    // True when a line lies under the screen position `globalPosition`.
    bool IsOverLine(QPoint globalPosition) const;

  signals:
    void Click(int line);
    void DblClick(int line);
    void MouseUp(Qt::MouseButton button, QPoint globalPosition);
    void DeleteKey();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool rendering_ = false;
};

} // namespace orvane
