#include "ui/text_box_view.h"

#include "platform/cp1252.h"
#include "ui/storable_text_guard.h"

#include <QDropEvent>
#include <QFont>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
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
    setAcceptDrops(false);
    connect(document(), &QTextDocument::contentsChange, this, &TextBoxView::OnContentsChange);
}

std::size_t TextBoxView::ShowableLength(const std::string& text) {
    return !text.empty() && text.back() == '\r' ? text.size() - 1 : text.size();
}

void TextBoxView::Render(const TextBox& box) {
    if (!loaded_ || box.replaced != renderedReplaced_ || box.text.size() < shown_.size())
        Reload(box);
    else if (ShowableLength(box.text) > shown_.size())
        AppendTail(box);
}

void TextBoxView::Reload(const TextBox& box) {
    rendering_ = true;
    shown_ = box.text.substr(0, ShowableLength(box.text));
    setPlainText(FromCp1252(shown_));
    rendering_ = false;
    renderedReplaced_ = box.replaced;
    loaded_ = true;
}

void TextBoxView::AppendTail(const TextBox& box) {
    const std::size_t showable = ShowableLength(box.text);
    QScrollBar* bar = verticalScrollBar();
    const bool followEnd = bar->value() == bar->maximum();
    const std::string_view tail =
        std::string_view(box.text).substr(shown_.size(), showable - shown_.size());
    rendering_ = true;
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(FromCp1252(tail));
    rendering_ = false;
    shown_ += tail;
    if (followEnd)
        bar->setValue(bar->maximum());
}

namespace {

bool IsLineBreak(QChar ch) {
    return ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator || ch == u'\n' ||
           ch == u'\r';
}

// Whether the widget character `ch` shows the character of `text` at byte `at`: a line end
// matches a line end of any kind, so that narrowing keeps the kind the text has.
bool Shows(QChar ch, const std::string& text, std::size_t at) {
    const char byte = text[at];
    if (byte == '\r' || byte == '\n')
        return IsLineBreak(ch);
    return !IsLineBreak(ch) && FromCp1252(std::string_view(&byte, 1)).front() == ch;
}

// Where the character before byte `at` starts.
std::size_t PreviousCharacter(const std::string& text, std::size_t at) {
    return at >= 2 && text[at - 1] == '\n' && text[at - 2] == '\r' ? at - 2 : at - 1;
}

} // namespace

void TextBoxView::OnContentsChange(int position, int charsRemoved, int charsAdded) {
    if (rendering_)
        return;
    const QString now = document()->toRawText();
    const std::size_t before = PositionOf(shown_, shown_.size());
    // Qt reports the span it touched, counting the document's closing paragraph end and at
    // times more than changed; the edit is narrowed to the characters that differ.
    std::size_t at = std::min<std::size_t>(std::max(position, 0), before);
    std::size_t removed = std::min<std::size_t>(std::max(charsRemoved, 0), before - at);
    std::size_t added =
        std::min<std::size_t>(std::max(charsAdded, 0), static_cast<std::size_t>(now.size()) -
                                                           std::min<std::size_t>(at, now.size()));
    if (at > static_cast<std::size_t>(now.size()) ||
        before - removed != static_cast<std::size_t>(now.size()) - added) {
        at = 0;
        removed = before;
        added = static_cast<std::size_t>(now.size());
    }
    std::size_t first = ByteOffsetOf(shown_, at);
    std::size_t last = ByteOffsetOf(shown_, at + removed);
    while (removed > 0 && added > 0 && Shows(now[static_cast<qsizetype>(at)], shown_, first)) {
        first += CharacterLength(shown_, first);
        ++at;
        --removed;
        --added;
    }
    while (removed > 0 && added > 0) {
        const std::size_t previous = PreviousCharacter(shown_, last);
        if (!Shows(now[static_cast<qsizetype>(at + added - 1)], shown_, previous))
            break;
        last = previous;
        --removed;
        --added;
    }
    if (removed == 0 && added == 0)
        return;
    emit UserEdited(
        {{first, last - first},
         EditorTextToBytes(now.mid(static_cast<qsizetype>(at), static_cast<qsizetype>(added)))});
}

std::optional<std::string> TextBoxView::EditedText(const TextBox& box,
                                                   const TextBoxEdit& edit) const {
    const TextSelection& range = edit.replaced;
    if (box.replaced != renderedReplaced_ || range.start + range.length > box.text.size())
        return std::nullopt;
    std::string text = box.text;
    text.replace(range.start, range.length, edit.inserted);
    return text;
}

void TextBoxView::AcceptUserEdit(const TextBoxEdit& edit) {
    shown_.replace(edit.replaced.start, edit.replaced.length, edit.inserted);
}

bool TextBoxView::Admits(const QString& text) const {
    return !guard_ || guard_->Admits(text);
}

void TextBoxView::keyPressEvent(QKeyEvent* event) {
    if (!Admits(event->text())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TextBoxView::inputMethodEvent(QInputMethodEvent* event) {
    if (!Admits(event->commitString())) {
        QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
        QPlainTextEdit::inputMethodEvent(&withoutCommit);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void TextBoxView::insertFromMimeData(const QMimeData* source) {
    if (source && source->hasText() && !Admits(source->text()))
        return;
    QPlainTextEdit::insertFromMimeData(source);
}

void TextBoxView::dragEnterEvent(QDragEnterEvent* event) {
    event->ignore();
}

void TextBoxView::dragMoveEvent(QDragMoveEvent* event) {
    event->ignore();
}

void TextBoxView::dropEvent(QDropEvent* event) {
    event->ignore();
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

} // namespace orvane
