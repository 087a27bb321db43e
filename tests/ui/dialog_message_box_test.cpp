// The message boxes the procedures show.

#include "support/qt_application.h"
#include "ui/qt_dialogs.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace orvane {
namespace {

// Presses `button` on the message box once it is up; records its text.
void AnswerWith(QMessageBox::StandardButton button, QString& text) {
    QTimer::singleShot(0, [button, &text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box && box->button(button));
        text = box->text();
        box->button(button)->click();
    });
}

TEST(MessageBoxTest, APathShowsAsItIsAndAConfirmationIsTrueForOkOnly) {
    ASSERT_TRUE(testing::EnsureQtApplication());
    QtDialogs dialogs;
    QString text;
    AnswerWith(QMessageBox::Ok, text);
    dialogs.Message("/home/j/Gr\xC3\xBC\xC3\x9F"
                    "e/\xE6\xB8\xAC.txt");
    EXPECT_EQ(text, QString::fromUtf8("/home/j/Grüße/測.txt"));
    for (const auto button : {QMessageBox::Cancel, QMessageBox::Ok}) {
        AnswerWith(button, text);
        EXPECT_EQ(dialogs.Confirm("Remove?"), button == QMessageBox::Ok);
    }
}

} // namespace
} // namespace orvane
