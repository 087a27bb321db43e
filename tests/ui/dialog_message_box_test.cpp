// The message boxes the procedures show: the program's title, OK alone for a message, and a
// confirmation that is true for OK only.

#include "support/qt_application.h"
#include "ui/qt_dialogs.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace orvane {
namespace {

// Presses `button` on the message box once it is up; records its title, text and buttons.
void AnswerWith(QMessageBox::StandardButton button, QStringList& shown) {
    QTimer::singleShot(0, [button, &shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = {box->windowTitle(), box->text(), QString::number(box->standardButtons().toInt())};
        box->button(button)->click();
    });
}

TEST(MessageBoxTest, MessagesHaveOkAloneAndConfirmationsAreTrueForOkOnly) {
    ASSERT_TRUE(testing::EnsureQtApplication());
    QtDialogs dialogs;
    QStringList shown;
    AnswerWith(QMessageBox::Ok, shown);
    dialogs.Message("/home/j/Gr\xC3\xBC\xC3\x9F"
                    "e/\xE6\xB8\xAC.txt"); // a path shows as it is
    EXPECT_EQ(shown, (QStringList{"Orvane Reporter", QString::fromUtf8("/home/j/Grüße/測.txt"),
                                  QString::number(QMessageBox::Ok)}));
    const QString both = QString::number((QMessageBox::Ok | QMessageBox::Cancel).toInt());
    for (const auto button : {QMessageBox::Cancel, QMessageBox::Ok}) {
        AnswerWith(button, shown);
        EXPECT_EQ(dialogs.Confirm("Remove?"), button == QMessageBox::Ok);
        EXPECT_EQ(shown, (QStringList{"Orvane Reporter", "Remove?", both}));
    }
}

} // namespace
} // namespace orvane
