#include "ui/text_box_view.h"

#include "platform/cp1252.h"

#include <QFont>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace orvane {

std::string EditorTextToBytes(const QString& text) {
    QString withLineEnds;
    withLineEnds.reserve(text.size());
    for (const QChar ch : text) {
        if (ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator || ch == u'\n')
            withLineEnds += QStringLiteral("\r\n");
        else
            withLineEnds += ch;
    }
    return ToCp1252(withLineEnds);
}

namespace {

// Bytes of the character starting at `i`: a CR LF pair is one line end.
std::size_t CharacterLength(const std::string& text, std::size_t i) {
    return text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
}

} // namespace

std::size_t ByteOffsetOf(const std::string& text, std::size_t position) {
    std::size_t i = 0;
    for (std::size_t chars = 0; i < text.size() && chars < position; ++chars)
        i += CharacterLength(text, i);
    return i;
}

std::size_t PositionOf(const std::string& text, std::size_t byteOffset) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size() && i < byteOffset; ++chars)
        i += CharacterLength(text, i);
    return chars;
}

TextBoxView::TextBoxView(QWidget* parent) : QPlainTextEdit(parent) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    setFont(font);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab moves on to the list, as in every other box of the window; it never types.
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!rendering_)
            emit UserEdited();
    });
}

std::size_t TextBoxView::ShowableLength(const std::string& text) {
    return !text.empty() && text.back() == '\r' ? text.size() - 1 : text.size();
}

void TextBoxView::Render(const TextBox& box) {
    if (!loaded_ || box.replaced != renderedReplaced_ || box.text.size() < renderedLength_)
        Reload(box);
    else if (ShowableLength(box.text) > renderedLength_)
        AppendTail(box);
}

void TextBoxView::Reload(const TextBox& box) {
    rendering_ = true;
    renderedLength_ = ShowableLength(box.text);
    setPlainText(FromCp1252(std::string_view(box.text).substr(0, renderedLength_)));
    rendering_ = false;
    renderedReplaced_ = box.replaced;
    loaded_ = true;
}

void TextBoxView::AppendTail(const TextBox& box) {
    const std::size_t showable = ShowableLength(box.text);
    QScrollBar* bar = verticalScrollBar();
    const bool followEnd = bar->value() == bar->maximum();
    rendering_ = true;
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(
        FromCp1252(std::string_view(box.text).substr(renderedLength_, showable - renderedLength_)));
    rendering_ = false;
    renderedLength_ = showable;
    if (followEnd)
        bar->setValue(bar->maximum());
}

void TextBoxView::AcceptUserEdit(const TextBox& box) {
    renderedReplaced_ = box.replaced;
    renderedLength_ = ShowableLength(box.text);
    loaded_ = true;
}

TextSelection TextBoxView::ByteSelection(const std::string& text) const {
    const QTextCursor cursor = textCursor();
    const std::size_t start = ByteOffsetOf(text, static_cast<std::size_t>(cursor.selectionStart()));
    const std::size_t end = ByteOffsetOf(text, static_cast<std::size_t>(cursor.selectionEnd()));
    return {start, end - start};
}

void TextBoxView::SelectBytes(const std::string& text, TextSelection selection) {
    QTextCursor cursor(document());
    const int last = document()->characterCount() - 1;
    const auto clamp = [last](std::size_t position) {
        return static_cast<int>(std::min<std::size_t>(position, static_cast<std::size_t>(last)));
    };
    cursor.setPosition(clamp(PositionOf(text, selection.start)));
    cursor.setPosition(clamp(PositionOf(text, selection.start + selection.length)),
                       QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

std::string TextBoxView::Bytes() const {
    return EditorTextToBytes(document()->toRawText());
}

} // namespace orvane
