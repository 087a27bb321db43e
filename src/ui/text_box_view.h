#pragma once
// A multi-line text box (Text1, Text2) that shows a TextBox of the window state. Appends
// reach the widget as appends, so a long capture costs only its new tail; a replacement
// reloads. The user's edits come back as edits of the bytes: only what the user typed
// changes, lone CRs and LFs and a final CR stay as they are. Drops do nothing.

#include "ui/logic/editing.h"
#include "workspace/window_state.h"

#include <QPlainTextEdit>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

class StorableTextGuard;

// The user's change of a text box: the bytes `replaced` of the shown text gave way to
// `inserted` (Windows-1252, a typed line end as CR LF).
struct TextBoxEdit {
    TextSelection replaced;
    std::string inserted;
};

class TextBoxView final : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit TextBoxView(QWidget* parent = nullptr);

    // Brings the widget in line with `box`; emits nothing.
    void Render(const TextBox& box);

    // Characters `guard` refuses are not entered; without a guard every character is.
    void SetGuard(const StorableTextGuard* guard) { guard_ = guard; }

    // The bytes the widget shows (a final CR waits unshown for its LF).
    const std::string& Bytes() const { return shown_; }

    // The selection as byte offsets into `text`, the bytes the box shows (a CR LF is one
    // character in the widget and two bytes in the text).
    TextSelection ByteSelection(const std::string& text) const;
    void SelectBytes(const std::string& text, TextSelection selection);

    // `box`'s text with the user's `edit` applied; nothing when code replaced the text since
    // it was rendered (the next Render then shows the new text).
    std::optional<std::string> EditedText(const TextBox& box, const TextBoxEdit& edit) const;

    // Takes the user's own edit as rendered, so that the next Render appends after it.
    void AcceptUserEdit(const TextBoxEdit& edit);

  signals:
    // The user changed the text (typing, the widget's own cut and paste, undo); never
    // emitted for Render.
    void UserEdited(const TextBoxEdit& edit);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void Reload(const TextBox& box);
    void AppendTail(const TextBox& box);
    void OnContentsChange(int position, int charsRemoved, int charsAdded);
    bool Admits(const QString& text) const;
    // How much of `text` the widget shows: a final CR waits for its LF, so that a line end
    // split across two appends does not become two line breaks.
    static std::size_t ShowableLength(const std::string& text);

    std::uint32_t renderedReplaced_ = 0;
    std::string shown_; // the bytes the widget shows
    bool loaded_ = false;
    bool rendering_ = false;
    const StorableTextGuard* guard_ = nullptr;
};

// Widget text (paragraph separators between lines) to bytes with CR LF line ends.
std::string EditorTextToBytes(const QString& text);

// Where the widget's character position `position` lies in `text`, and back: CR LF, a lone
// CR and a lone LF are each one character in the widget.
std::size_t ByteOffsetOf(const std::string& text, std::size_t position);
std::size_t PositionOf(const std::string& text, std::size_t byteOffset);

} // namespace orvane
