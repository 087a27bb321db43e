// The splash window and the About box.

#include "support/qt_application.h"
#include "ui/about_dialog.h"
#include "ui/splash_window.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace orvane {
namespace {

class SplashTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }

    QLabel* Label(const char* name) { return splash.findChild<QLabel*>(QString::fromLatin1(name)); }

    SplashWindow splash{QStringLiteral("2.4.1")};
    QSignalSpy finished{&splash, &SplashWindow::Finished};
};

TEST_F(SplashTest, ShowsCompanyProductAndVersion) {
    EXPECT_EQ(Label("lblCompanyProduct")->text(), QStringLiteral("TALLBROOK INC."));
    EXPECT_EQ(Label("lblCompany")->text(), QStringLiteral("Tallbrook Inc."));
    EXPECT_EQ(Label("lblProductName")->text(), QStringLiteral("Orvane Reporter"));
    EXPECT_EQ(Label("lblProductName")->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_TRUE(Label("lblProductName")->autoFillBackground());
    EXPECT_EQ(Label("lblVersion")->text(), QStringLiteral("Version 2.4.1"));
    EXPECT_FALSE(Label("imgLogo")->pixmap().isNull());
}

TEST_F(SplashTest, ClosesByItselfAfterThreeSeconds) {
    auto* timer1 = splash.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer1, nullptr);
    EXPECT_TRUE(timer1->isActive());
    EXPECT_EQ(timer1->interval(), 3000);
    splash.show();
    timer1->start(0); // its time is up at once
    EXPECT_TRUE(finished.wait(5000));
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(SplashTest, AnyKeyClosesItOnce) {
    splash.show();
    QTest::keyClick(&splash, Qt::Key_Space);
    QTest::keyClick(&splash, Qt::Key_A);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(splash.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
}

TEST_F(SplashTest, AClickOnItsFrameClosesIt) {
    splash.show();
    auto* frame1 = splash.findChild<QFrame*>(QStringLiteral("Frame1"));
    ASSERT_NE(frame1, nullptr);
    QTest::mouseClick(frame1, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(finished.count(), 1);
}

class AboutTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }
    AboutDialog about;
};

TEST_F(AboutTest, LoadFillsTheLabelsAndShowsWithoutBlocking) {
    about.Form_Load("Orvane Reporter", "Version 0.1.0", "Support:\r\nLine one\r\nLine \xE9");
    EXPECT_TRUE(about.isVisible());
    EXPECT_FALSE(about.isModal());
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Kavrel"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("Support:\nLine one\nLine \u00e9"));
}

TEST_F(AboutTest, OkHidesTheBoxWhichOpensAgainWithFreshTexts) {
    about.Form_Load("Orvane Reporter", "Version 1", "Support:");
    about.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_FALSE(about.isVisible());
    about.Form_Load("Orvane Reporter", "Version 2", "Support:");
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
              QStringLiteral("Version 2"));
}

} // namespace
} // namespace orvane
