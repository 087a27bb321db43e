// The serial settings dialog offers the boxes as the user left them and closes only on a
// successful connect (the window's connect test) or on Cancel.

#include "support/qt_application.h"
#include "ui/serial_settings_dialog.h"

#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(SerialSettingsDialogTest, OkOffersTheBoxesAsEditedAndStaysOpenOnFailureCancelCloses) {
    ASSERT_TRUE(testing::EnsureQtApplication());
    std::vector<SerialSettingsForm> offered;
    QPointer<SerialSettingsDialog> dialog =
        new SerialSettingsDialog(1, "9600,n,8,1", [&](const SerialSettingsForm& form) {
            offered.push_back(form);
            return false;
        });
    dialog->show();
    EXPECT_FALSE(dialog->isModal());
    // A closed dialog is deleted, as in the program.
    const auto press = [&](const char* button) {
        dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    dialog->cboPort()->setCurrentIndex(3);
    dialog->CboSpeed()->setEditText(" 38400 "); // the boxes take typed values
    dialog->cboParity()->setEditText("odd");
    press("cmdOK");
    ASSERT_EQ(offered.size(), 1U);
    EXPECT_EQ(SelectedCommPort(offered[0]), 4);
    EXPECT_EQ(ComposeSettings(offered[0]), "38400,o,8,1");
    ASSERT_TRUE(dialog && dialog->isVisible());
    press("cmdCancel");
    EXPECT_EQ(offered.size(), 1U) << "Cancel connects nothing";
    EXPECT_TRUE(dialog.isNull());
}

} // namespace
} // namespace orvane
