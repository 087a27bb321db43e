// The splash window closes once, by its timer after three seconds, by any key or by a click
// on its frame.

#include "support/qt_application.h"
#include "ui/splash_window.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace orvane {
namespace {

TEST(SplashTest, ClosesOnceByItsTimerAnyKeyOrAClickOnItsFrame) {
    ASSERT_TRUE(testing::EnsureQtApplication());
    const std::function<void(SplashWindow&, QTimer&)> closers[] = {
        [](SplashWindow& splash, QTimer& timer1) { // its time is up at once
            timer1.start(0);
            QTest::qWaitFor([&] { return !splash.isVisible(); });
        },
        [](SplashWindow& splash, QTimer&) {
            QTest::keyClick(&splash, Qt::Key_Space), QTest::keyClick(&splash, Qt::Key_A);
        },
        [](SplashWindow& splash, QTimer&) {
            QTest::mouseClick(splash.findChild<QFrame*>("Frame1"), Qt::LeftButton, {}, {3, 3});
        },
    };
    for (const auto& close : closers) {
        SplashWindow splash("2.4.1");
        QSignalSpy finished(&splash, &SplashWindow::Finished);
        auto* timer1 = splash.findChild<QTimer*>("Timer1");
        EXPECT_TRUE(timer1->isActive() && timer1->interval() == 3000);
        splash.show();
        close(splash, *timer1);
        EXPECT_EQ(finished.count(), 1);
        EXPECT_FALSE(splash.isVisible() || timer1->isActive());
    }
}

} // namespace
} // namespace orvane
