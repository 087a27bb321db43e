// The text boxes: appends reach the widget as appends, line ends survive the crossing both
// ways, and selections map between widget characters and bytes.

#include "support/qt_application.h"
#include "ui/text_box_view.h"

#include <QSignalSpy>
#include <QTest>

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
    EXPECT_EQ(edited.count(), 1);
    box.text = view.Bytes();
    view.AcceptUserEdit(box);
    box.Append("D");
    view.Render(box);
    EXPECT_EQ(view.toPlainText(), "ABcD");
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
