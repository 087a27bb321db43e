// The text boxes: appends reach the widget as appends, line ends survive the crossing both
// ways, and selections map between widget characters and bytes.

#include "support/qt_application.h"
#include "ui/qt_dialogs.h"
#include "ui/rename_dialog.h"
#include "ui/text_box_view.h"

#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

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

TEST_F(TextViewTest, AppendedTailIsAddedWithoutReloading) {
    box.Set("LINE 1\r\n");
    view.Render(box);
    QTextCursor mark(view.document());
    mark.setPosition(3);
    view.setTextCursor(mark);
    box.Append("LINE 2");
    view.Render(box);
    EXPECT_EQ(view.toPlainText(), QStringLiteral("LINE 1\nLINE 2"));
    EXPECT_EQ(view.textCursor().position(), 3) << "a reload would have moved the caret";
    EXPECT_EQ(edited.count(), 0);
}

TEST_F(TextViewTest, ALineEndSplitAcrossAppendsIsOneLineBreak) {
    box.Set("A\r");
    view.Render(box);
    box.Append("\nB\r");
    view.Render(box);
    box.Append("\n");
    view.Render(box);
    EXPECT_EQ(view.toPlainText(), QStringLiteral("A\nB\n"));
    EXPECT_EQ(view.Bytes(), "A\r\nB\r\n");
}

TEST_F(TextViewTest, AReplacementReloads) {
    box.Set("OLD TEXT");
    view.Render(box);
    box.Set("NEW");
    view.Render(box);
    EXPECT_EQ(view.toPlainText(), QStringLiteral("NEW"));
    box.Clear();
    view.Render(box);
    EXPECT_TRUE(view.toPlainText().isEmpty());
}

TEST_F(TextViewTest, BytesKeepEveryWindows1252Character) {
    std::string all;
    for (int c = 0x20; c <= 0xFF; ++c)
        all += static_cast<char>(c);
    all += "\r\n\t";
    box.Set(all);
    view.Render(box);
    EXPECT_EQ(view.Bytes(), all);
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
    EXPECT_EQ(view.toPlainText(), QStringLiteral("ABcD"));
}

TEST(TextViewMapping, WidgetPositionsAndByteOffsets) {
    const std::string text = "AB\r\nC\nD\rE";
    // Widget characters: A B | C | D | E, a line end counting one.
    EXPECT_EQ(ByteOffsetOf(text, 0), 0U);
    EXPECT_EQ(ByteOffsetOf(text, 3), 4U); // before C
    EXPECT_EQ(ByteOffsetOf(text, 5), 6U); // before D
    EXPECT_EQ(ByteOffsetOf(text, 7), 8U); // before E
    EXPECT_EQ(ByteOffsetOf(text, 99), text.size());
    for (std::size_t position : {0U, 2U, 3U, 4U, 5U, 6U, 7U, 8U})
        EXPECT_EQ(PositionOf(text, ByteOffsetOf(text, position)), position);
}

TEST_F(TextViewTest, SelectionsCrossAsBytes) {
    box.Set("LEVEL\r\n-12 dB");
    view.Render(box);
    view.SelectBytes(box.text, {3, 6}); // "EL", CR LF, "-1"
    EXPECT_EQ(view.textCursor().selectedText(), QStringLiteral("EL\u2029-1"));
    const TextSelection back = view.ByteSelection(box.text);
    EXPECT_EQ(back.start, 3U);
    EXPECT_EQ(back.length, 6U);
}

class RenameDialogTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }
    RenameDialog dialog;
    QLineEdit* Box() { return dialog.findChild<QLineEdit*>(QStringLiteral("Text1")); }
};

TEST_F(RenameDialogTest, OpensEmptyAndCancelEmptiesAndHides) {
    dialog.Form_Load();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Rename"));
    Box()->setText(QStringLiteral("Site A"));
    dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(Box()->text().isEmpty());
}

TEST_F(RenameDialogTest, OkHandsOverTheNameAsBytes) {
    QSignalSpy accepted(&dialog, &RenameDialog::Accepted);
    std::string name;
    QObject::connect(&dialog, &RenameDialog::Accepted, [&] { name = dialog.Name(); });
    dialog.Form_Load();
    Box()->setText(QStringLiteral("M\u00fcnchen \u20ac"));
    dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(name, "M\xFCnchen \x80");
    EXPECT_FALSE(dialog.isVisible());
}

class QtDialogsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }

    // Presses `button` on the message box once it is up; records what it showed.
    void AnswerWith(QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            buttons = box->standardButtons();
            box->button(button)->click();
        });
    }

    QtDialogs dialogs;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

TEST_F(QtDialogsTest, MessageHasTheProgramsTitleAndOneOkButton) {
    AnswerWith(QMessageBox::Ok);
    dialogs.Message(" Maximum Record Number is 50! ");
    EXPECT_EQ(title, QStringLiteral("Orvane Reporter"));
    EXPECT_EQ(text, QStringLiteral(" Maximum Record Number is 50! "));
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST_F(QtDialogsTest, ConfirmationIsTrueForOkOnly) {
    AnswerWith(QMessageBox::Cancel);
    EXPECT_FALSE(dialogs.Confirm("Are you sure you want to remove the Record?"));
    EXPECT_EQ(buttons, QMessageBox::Ok | QMessageBox::Cancel);
    AnswerWith(QMessageBox::Ok);
    EXPECT_TRUE(dialogs.Confirm("Are you sure you want to remove the Record?"));
}

} // namespace
} // namespace orvane
