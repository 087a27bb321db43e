// The text boxes: appends reach the widget as appends, line ends survive the crossing both
// ways, and selections map between widget characters and bytes.

#include "support/qt_application.h"
#include "ui/storable_text_guard.h"
#include "ui/text_box_view.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

namespace orvane {
namespace {

class TextViewTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }

    TextBoxView view;
    TextBox box;
    QSignalSpy edited{&view, &TextBoxView::UserEdited};
};

TEST_F(TextViewTest, AppendsAddTheirTailALineEndSplitBetweenThemStaysOneAndBytesCrossIntact) {
    box.Set("AB\r");
    view.Render(box);
    QTextCursor mark(view.document());
    mark.setPosition(1);
    view.setTextCursor(mark);
    for (const char* tail : {"\nC\r", "\n", "D"}) {
        box.Append(tail);
        view.Render(box);
    }
    EXPECT_EQ(view.toPlainText(), "AB\nC\nD");
    EXPECT_EQ(view.Bytes(), "AB\r\nC\r\nD");
    EXPECT_EQ(view.textCursor().position(), 1) << "a reload would have moved the caret";
    EXPECT_EQ(edited.count(), 0);

    // A replacement reloads; every Windows-1252 character crosses both ways.
    std::string all;
    for (int c = 0x20; c <= 0xFF; ++c)
        all += static_cast<char>(c);
    box.Set(all + "\r\n\t");
    view.Render(box);
    EXPECT_EQ(view.Bytes(), all + "\r\n\t");
    box.Clear();
    view.Render(box);
    EXPECT_TRUE(view.toPlainText().isEmpty());
}

TEST_F(TextViewTest, TypingIsReportedAndThenAppendedAfter) {
    box.Set("AB");
    view.Render(box);
    view.moveCursor(QTextCursor::End);
    QTest::keyClick(&view, Qt::Key_C);
    ASSERT_EQ(edited.count(), 1);
    const auto edit = edited.at(0).at(0).value<TextBoxEdit>();
    box.text = view.EditedText(box, edit).value();
    view.AcceptUserEdit(edit);
    box.Append("D");
    view.Render(box);
    EXPECT_EQ(view.toPlainText(), "ABcD");
    EXPECT_EQ(box.text, "ABcD");
}

// The user's input changes the bytes only where it lands: line ends of another kind and a
// final CR stay, characters that cannot be stored and drops change nothing.
TEST_F(TextViewTest, OnlyWhatTheUserTypedChangesTheBytes) {
    StorableTextGuard guard;
    QSignalSpy refused(&guard, &StorableTextGuard::Refused);
    view.SetGuard(&guard);
    QObject::connect(&view, &TextBoxView::UserEdited, [this](const TextBoxEdit& edit) {
        box.text = view.EditedText(box, edit).value();
        view.AcceptUserEdit(edit);
    });
    const auto type = [this](const QString& text) {
        for (const QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, &view, Qt::Key_unknown, QString(ch), {});
    };
    const auto dropText = [this](const QString& text) {
        QMimeData data;
        data.setText(text);
        const QPoint at(2, 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(view.viewport(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(view.viewport(), &move);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(view.viewport(), &drop);
    };
    const struct {
        std::string before;
        int caret; // widget characters from the start; -1: the end
        std::function<void()> input;
        std::string after;
        int refusals;
    } rows[] = {
        {"AB\r", -1, [&] { type("x"); }, "ABx\r", 0},
        {"A\rB\nC\r\n", 3, [&] { type("x"); }, "A\rBx\nC\r\n", 0},
        {"A\rB", 1, [&] { QTest::keyClick(&view, Qt::Key_Return); }, "A\r\n\rB", 0},
        {"A\nB", 3, [&] { QTest::keyClick(&view, Qt::Key_Backspace); }, "A\n", 0},
        {"A\rB", -1, [&] { type("\u00b0\u20ac"); }, "A\rB\xB0\x80", 0},
        {"A\rB", -1, [&] { type("\u6ce8\u6587"); }, "A\rB", 2},
        {"A\rB", -1,
         [&] {
             QApplication::clipboard()->setText("\u6ce8\u6587-1");
             view.paste();
         },
         "A\rB", 1},
        {"A\rB", 0, [&] { dropText("dropped"); }, "A\rB", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.before + " -> " + row.after);
        box.Set(row.before);
        view.Render(box);
        QTextCursor caret(view.document());
        caret.movePosition(QTextCursor::End);
        if (row.caret >= 0)
            caret.setPosition(row.caret);
        view.setTextCursor(caret);
        refused.clear();
        row.input();
        EXPECT_EQ(box.text, row.after);
        EXPECT_EQ(refused.count(), row.refusals);
    }
}

TEST_F(TextViewTest, SelectionsMapBetweenWidgetCharactersAndBytes) {
    const std::string text = "AB\r\nC\nD\rE";
    // Widget characters: A B | C | D | E, a line end counting one.
    const struct {
        std::size_t position, byte;
    } rows[] = {{0, 0}, {2, 2}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}, {8, 9}};
    for (const auto& row : rows) {
        EXPECT_EQ(ByteOffsetOf(text, row.position), row.byte) << row.position;
        EXPECT_EQ(PositionOf(text, row.byte), row.position) << row.byte;
    }
    EXPECT_EQ(ByteOffsetOf(text, 99), text.size());

    box.Set("LEVEL\r\n-12 dB");
    view.Render(box);
    view.SelectBytes(box.text, {3, 6}); // "EL", CR LF, "-1"
    EXPECT_EQ(view.textCursor().selectedText(), "EL\u2029-1");
    const TextSelection back = view.ByteSelection(box.text);
    EXPECT_EQ(back.start, 3U);
    EXPECT_EQ(back.length, 6U);
}

} // namespace
} // namespace orvane
