// The splash window: it shows the version and closes once, by its timer after three seconds,
// by any key or by a click on its frame.

#include "support/qt_application.h"
#include "ui/splash_window.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace orvane {
namespace {

TEST(SplashTest, ClosesOnceByItsTimerAnyKeyOrAClickOnItsFrame) {
    ASSERT_TRUE(testing::EnsureQtApplication());
    using Event = std::function<void(SplashWindow&, QTimer&, QSignalSpy&)>;
    const struct {
        const char* by;
        Event event;
    } rows[] = {
        {"its timer",
         [](SplashWindow&, QTimer& timer1, QSignalSpy& finished) {
             timer1.start(0); // its time is up at once
             finished.wait(5000);
         }},
        {"any key",
         [](SplashWindow& splash, QTimer&, QSignalSpy&) {
             QTest::keyClick(&splash, Qt::Key_Space);
             QTest::keyClick(&splash, Qt::Key_A);
         }},
        {"a click on its frame",
         [](SplashWindow& splash, QTimer&, QSignalSpy&) {
             QTest::mouseClick(splash.findChild<QFrame*>("Frame1"), Qt::LeftButton, {}, {3, 3});
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.by);
        SplashWindow splash("2.4.1");
        QSignalSpy finished(&splash, &SplashWindow::Finished);
        auto* timer1 = splash.findChild<QTimer*>("Timer1");
        EXPECT_TRUE(timer1->isActive());
        EXPECT_EQ(timer1->interval(), 3000);
        EXPECT_EQ(splash.findChild<QLabel*>("lblVersion")->text(), "Version 2.4.1");
        splash.show();
        row.event(splash, *timer1, finished);
        EXPECT_EQ(finished.count(), 1);
        EXPECT_FALSE(splash.isVisible());
        EXPECT_FALSE(timer1->isActive());
    }
}

} // namespace
} // namespace orvane
