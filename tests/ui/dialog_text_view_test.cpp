// The text boxes: the user's input changes only the bytes it lands on.

#include "support/qt_application.h"
#include "ui/storable_text_guard.h"
#include "ui/text_box_view.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

namespace orvane {
namespace {

// Line ends of another kind and a final CR stay, characters that cannot be stored change
// nothing; appends are appended (a line end split between two stays one, the caret
// stays) before and after the user's input.
TEST(TextViewTest, OnlyWhatTheUserTypedChangesTheBytes) {
    ASSERT_TRUE(testing::EnsureQtApplication());
    TextBoxView view;
    TextBox box;
    StorableTextGuard guard;
    QSignalSpy refused(&guard, &StorableTextGuard::Refused);
    view.SetGuard(&guard);
    QObject::connect(&view, &TextBoxView::UserEdited, [&](const TextBoxEdit& edit) {
        box.text = view.EditedText(box, edit).value();
        view.AcceptUserEdit(edit);
    });
    const auto type = [&](const QString& text) {
        for (const QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, &view, Qt::Key_unknown, QString(ch), {});
    };
    std::string all; // every character there is
    for (int c = 0x20; c <= 0xFF; ++c)
        all += static_cast<char>(c);
    const struct {
        std::string before;
        int caret; // widget characters from the start; -1: the end
        std::function<void()> input;
        std::string after;
        int refusals;
    } rows[] = {
        {"AB\r", -1, [&] { type("x"); }, "ABx\r", 0},
        {all, -1, [&] { type("x"); }, all + "x", 0},
        {"A\rB\nC\r\n", 3, [&] { type("x"); }, "A\rBx\nC\r\n", 0},
        {"A\rB", 1, [&] { QTest::keyClick(&view, Qt::Key_Return); }, "A\r\n\rB", 0},
        {"A\nB", 3, [&] { QTest::keyClick(&view, Qt::Key_Backspace); }, "A\n", 0},
        {"A\rB", -1, [&] { type("\u00b0\u20ac"); }, "A\rB\xB0\x80", 0},
        {"A\rB", -1, [&] { type("\u6ce8\u6587"); }, "A\rB", 2},
        {"A\rB", -1, [&] { QApplication::clipboard()->setText("\u6ce8-1"), view.paste(); }, "A\rB",
         1},
        {"AB\r", 1,
         [&] {
             box.Append("\nC"), view.Render(box), type("x");
             box.Append("D"), view.Render(box);
         },
         "AxB\r\nCD", 0},
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
    EXPECT_EQ(view.toPlainText(), "AxB\nCD") << "no reload, the line end split stays one";
}

} // namespace
} // namespace orvane
