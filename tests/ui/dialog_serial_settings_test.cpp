// The serial settings dialog: offers the boxes as the user left them, names the device behind
// each COM number, and closes only on a successful connect or on Cancel.

#include "platform/com_ports.h"
#include "platform/cp1252.h"
#include "support/fakes.h"
#include "support/qt_application.h"
#include "support/scoped_env.h"
#include "ui/serial_settings_dialog.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

namespace orvane {
namespace {

class SerialSettingsDialogTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }

    SerialSettingsDialogTest() {
        dialog = new SerialSettingsDialog(1, "9600,n,8,1", [this](const SerialSettingsForm& f) {
            offered.push_back(f);
            return false;
        });
        dialog->show();
    }
    ~SerialSettingsDialogTest() override { delete dialog; }

    // Presses `button`; a closed dialog is deleted, as in the program.
    void Press(const char* button) {
        dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    testing::TempDir dir;
    testing::ScopedEnv configHome{"XDG_CONFIG_HOME", dir.str().c_str()};
    std::vector<SerialSettingsForm> offered;
    QPointer<SerialSettingsDialog> dialog;
};

// Closing on a successful connect is the window's connect test.
TEST_F(SerialSettingsDialogTest, OkOffersTheBoxesAsEditedAndStaysOpenOnFailureCancelCloses) {
    EXPECT_FALSE(dialog->isModal());
    dialog->cboPort()->setCurrentIndex(3);
    dialog->CboSpeed()->setEditText(" 38400 "); // the boxes take typed values
    dialog->cboParity()->setEditText("odd");
    Press("cmdOK");
    ASSERT_EQ(offered.size(), 1U);
    EXPECT_EQ(SelectedCommPort(offered[0]), 4);
    EXPECT_EQ(ComposeSettings(offered[0]), "38400,o,8,1");
    ASSERT_FALSE(dialog.isNull());
    EXPECT_TRUE(dialog->isVisible());
    Press("cmdCancel");
    EXPECT_EQ(offered.size(), 1U) << "Cancel connects nothing";
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(SerialSettingsDialogTest, ThePortAndEachEntryOfItsListNameTheDeviceReached) {
    std::string error;
    ASSERT_TRUE(PointComPortAt(2, "/dev/pts/7", error)) << error;
    delete dialog;
    dialog = new SerialSettingsDialog(2, "9600,n,8,1", {});
    EXPECT_EQ(dialog->cboPort()->currentText(), "COM 2");
    EXPECT_TRUE(dialog->DeviceLabel()->text().contains("/dev/pts/7"));
    EXPECT_EQ(dialog->cboPort()->itemData(1, Qt::ToolTipRole).toString(),
              FromCp1252(DescribeComPort(2)));
    dialog->cboPort()->setCurrentIndex(0);
    EXPECT_EQ(dialog->DeviceLabel()->text(), FromCp1252(DescribeComPort(1)));

    // A long mapping is cut to the dialog's width, whole in the label's text.
    ASSERT_TRUE(PointComPortAt(3, "/dev/serial/by-id/" + std::string(200, 'x'), error)) << error;
    dialog->show();
    const int width = dialog->width();
    dialog->cboPort()->setCurrentIndex(2);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog->width(), width);
    EXPECT_TRUE(dialog->DeviceLabel()->text().contains(QString(200, u'x')));
}

} // namespace
} // namespace orvane
