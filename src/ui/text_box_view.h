#pragma once
// A multi-line text box (Text1, Text2) that shows a TextBox of the window state. Appends
// reach the widget as appends, so a long capture costs only its new tail; a replacement
// reloads. Text crosses as Windows-1252 bytes with CR LF line ends.

#include "ui/logic/editing.h"
#include "workspace/window_state.h"

#include <QPlainTextEdit>

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvane {

class TextBoxView final : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit TextBoxView(QWidget* parent = nullptr);

    // Brings the widget in line with `box`; emits nothing.
    void Render(const TextBox& box);

    // The content as bytes: CR LF between lines, Windows-1252.
    std::string Bytes() const;

    // The selection as byte offsets into `text`, the bytes the box shows (a CR LF is one
    // character in the widget and two bytes in the text).
    TextSelection ByteSelection(const std::string& text) const;
    void SelectBytes(const std::string& text, TextSelection selection);

    // Takes the user's own edit as rendered, so that the next Render appends after it.
    void AcceptUserEdit(const TextBox& box);

  signals:
    // The user changed the text (typing, the widget's own cut and paste, undo); never
    // emitted for Render.
    void UserEdited();

  private:
    void Reload(const TextBox& box);
    void AppendTail(const TextBox& box);
    // How much of `text` the widget shows: a final CR waits for its LF, so that a line end
    // split across two appends does not become two line breaks.
    static std::size_t ShowableLength(const std::string& text);

    std::uint32_t renderedReplaced_ = 0;
    std::size_t renderedLength_ = 0;
    bool loaded_ = false;
    bool rendering_ = false;
};

// Widget text (paragraph separators between lines) to bytes with CR LF line ends.
std::string EditorTextToBytes(const QString& text);

// Where the widget's character position `position` lies in `text`, and back: CR LF, a lone
// CR and a lone LF are each one character in the widget.
std::size_t ByteOffsetOf(const std::string& text, std::size_t position);
std::size_t PositionOf(const std::string& text, std::size_t byteOffset);

} // namespace orvane
