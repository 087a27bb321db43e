// The serial settings dialog: filled from the port, read back as the user left it, and
// closed only by a successful connect.

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

    // Deleted when closed, as in the program.
    SerialSettingsDialog* Open(int port, const std::string& settings) {
        auto* dialog =
            new SerialSettingsDialog(port, settings, [this](const SerialSettingsForm& f) {
                offered.push_back(f);
                return accept;
            });
        dialog->show();
        return dialog;
    }

    testing::TempDir dir;
    testing::ScopedEnv configHome{"XDG_CONFIG_HOME", dir.str().c_str()};
    std::vector<SerialSettingsForm> offered;
    bool accept = false;
};

TEST_F(SerialSettingsDialogTest, BoxesShowThePortsConfiguration) {
    SerialSettingsDialog* dialog = Open(3, "19200,n,7,2");
    EXPECT_EQ(dialog->cboPort()->currentText(), QStringLiteral("COM 3"));
    EXPECT_EQ(dialog->cboPort()->count(), 6);
    EXPECT_EQ(dialog->CboSpeed()->currentText(), QStringLiteral("19200"));
    EXPECT_EQ(dialog->CboDataBits()->currentText(), QStringLiteral("7"));
    EXPECT_EQ(dialog->cboParity()->currentText(), QStringLiteral("None"));
    EXPECT_EQ(dialog->cboStopBits()->currentText(), QStringLiteral("2"));
    for (QComboBox* box : {dialog->cboPort(), dialog->CboSpeed(), dialog->CboDataBits(),
                           dialog->cboParity(), dialog->cboStopBits()})
        EXPECT_TRUE(box->isEditable());
    EXPECT_FALSE(dialog->isModal());
    delete dialog;
}

TEST_F(SerialSettingsDialogTest, BesideThePortStandsTheDeviceItReaches) {
    std::string error;
    ASSERT_TRUE(PointComPortAt(2, "/dev/pts/7", error)) << error;
    SerialSettingsDialog* dialog = Open(2, "9600,n,8,1");
    EXPECT_EQ(dialog->DeviceLabel()->text(), FromCp1252(DescribeComPort(2)));
    EXPECT_TRUE(dialog->DeviceLabel()->text().contains(QStringLiteral("/dev/pts/7")));
    // Each entry of the port list names its device as well.
    EXPECT_EQ(dialog->cboPort()->itemData(1, Qt::ToolTipRole).toString(),
              FromCp1252(DescribeComPort(2)));
    EXPECT_EQ(dialog->cboPort()->itemText(1), QStringLiteral("COM 2"));
    dialog->cboPort()->setCurrentIndex(0);
    EXPECT_EQ(dialog->DeviceLabel()->text(), FromCp1252(DescribeComPort(1)));
    delete dialog;
}

TEST_F(SerialSettingsDialogTest, OkOffersTheBoxesAsEditedAndStaysOpenOnFailure) {
    SerialSettingsDialog* dialog = Open(1, "9600,n,8,1");
    dialog->cboPort()->setCurrentIndex(3);
    dialog->CboSpeed()->setEditText(QStringLiteral(" 38400 "));
    dialog->cboParity()->setEditText(QStringLiteral("odd"));
    dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    ASSERT_EQ(offered.size(), 1U);
    EXPECT_EQ(SelectedCommPort(offered[0]), 4);
    EXPECT_EQ(ComposeSettings(offered[0]), "38400,o,8,1");
    EXPECT_TRUE(dialog->isVisible());
    delete dialog;
}

TEST_F(SerialSettingsDialogTest, SuccessfulOkClosesTheDialog) {
    accept = true;
    QPointer<SerialSettingsDialog> dialog = Open(1, "9600,n,8,1");
    dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_FALSE(dialog && dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(SerialSettingsDialogTest, CancelClosesWithoutConnecting) {
    QPointer<SerialSettingsDialog> dialog = Open(1, "9600,n,8,1");
    dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    EXPECT_TRUE(offered.empty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

} // namespace
} // namespace orvane
