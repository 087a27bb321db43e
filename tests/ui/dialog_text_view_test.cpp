// The text boxes: appends reach the widget as appends, line ends survive the crossing both
// ways, the user's input changes only the bytes it lands on, and widget positions map to bytes.

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
};

TEST_F(TextViewTest, AppendsAddTheirTailALineEndSplitBetweenThemStaysOneAndBytesCrossIntact) {
    QSignalSpy edited{&view, &TextBoxView::UserEdited};
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
}

// Line ends of another kind and a final CR stay, characters that cannot be stored and drops
// change nothing, and an append after the user's input lands after it.
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
    const auto drop = [this] {
        QMimeData data;
        data.setText("dropped");
        QDragEnterEvent enter({2, 2}, Qt::CopyAction, &data, Qt::LeftButton, {});
        QDragMoveEvent move({2, 2}, Qt::CopyAction, &data, Qt::LeftButton, {});
        QDropEvent dropped({2, 2}, Qt::CopyAction, &data, Qt::LeftButton, {});
        for (QEvent* event : std::initializer_list<QEvent*>{&enter, &move, &dropped})
            QApplication::sendEvent(view.viewport(), event);
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
        {"A\rB", -1, [&] { QApplication::clipboard()->setText("\u6ce8-1"), view.paste(); }, "A\rB",
         1},
        {"A\rB", 0, drop, "A\rB", 0},
        {"AB", -1, [&] { type("c"), box.Append("D"), view.Render(box); }, "ABcD", 0},
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
    EXPECT_EQ(view.toPlainText(), "ABcD");
}

TEST(TextPositionTest, WidgetCharactersMapToBytesWithALineEndCountingOne) {
    const std::string text = "AB\r\nC\nD\rE";
    for (const auto& [position, byte] : std::initializer_list<std::pair<std::size_t, std::size_t>>{
             {0, 0}, {2, 2}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}, {8, 9}}) {
        EXPECT_EQ(ByteOffsetOf(text, position), byte) << position;
        EXPECT_EQ(PositionOf(text, byte), position) << byte;
    }
    EXPECT_EQ(ByteOffsetOf(text, 99), text.size());
}

} // namespace
} // namespace orvane
