// The progress bar after a picture start.

#include "serial/progress_display.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

class Progress : public ::testing::Test {
  protected:
    ProgressDisplay progress;
    WindowState win;
};

TEST_F(Progress, CounterMovesTheBarInStepsOfTen) {
    Start_Progress(progress, win, ProgressKind::Graph);
    tmrProgressBarCounter_Timer(progress, win);
    EXPECT_EQ(win.ProgressValue, 10);
    for (int i = 0; i < 9; ++i)
        tmrProgressBarCounter_Timer(progress, win);
    EXPECT_EQ(progress.Counter, 100);
    EXPECT_EQ(win.ProgressValue, 0);
}

TEST_F(Progress, CounterStartsAgainAtZeroAfter32760) {
    Start_Progress(progress, win, ProgressKind::Screen);
    progress.Counter = 32750;
    tmrProgressBarCounter_Timer(progress, win);
    EXPECT_EQ(progress.Counter, 32760);
    EXPECT_EQ(win.ProgressValue, 60);
    tmrProgressBarCounter_Timer(progress, win);
    EXPECT_EQ(progress.Counter, 0);
    EXPECT_EQ(win.ProgressValue, 0);
    tmrProgressBarCounter_Timer(progress, win);
    EXPECT_EQ(progress.Counter, 10);
}

TEST_F(Progress, ScreenTimerHidesTheBarAndStopsTheCounter) {
    Start_Progress(progress, win, ProgressKind::Screen);
    ASSERT_TRUE(win.ProgressVisible);

    screenProgressBarCounter_Timer(progress, win);

    EXPECT_FALSE(win.ProgressVisible);
    EXPECT_FALSE(progress.CounterTimerEnabled);
    EXPECT_TRUE(progress.ScreenProgressTick);
    EXPECT_TRUE(progress.ScreenTimerEnabled) << "switched off by the loop, not by itself";
    EXPECT_FALSE(progress.GraphProgressTick);
}

TEST_F(Progress, TopOfTurnSwitchesOffOnlyTheTimersThatFired) {
    Start_Progress(progress, win, ProgressKind::Screen);
    Start_Progress(progress, win, ProgressKind::Graph);
    graphProgressBarCounter_Timer(progress, win);

    Stop_Fired_Progress_Timers(progress);

    EXPECT_FALSE(progress.GraphTimerEnabled);
    EXPECT_FALSE(progress.GraphProgressTick);
    EXPECT_TRUE(progress.ScreenTimerEnabled);
}

TEST_F(Progress, DisabledTimersIgnoreALateTimeout) {
    Reset_Progress(progress, win);
    tmrProgressBarCounter_Timer(progress, win);
    screenProgressBarCounter_Timer(progress, win);
    graphProgressBarCounter_Timer(progress, win);

    EXPECT_EQ(progress.Counter, 0);
    EXPECT_FALSE(progress.ScreenProgressTick);
    EXPECT_FALSE(progress.GraphProgressTick);
}

TEST_F(Progress, ResetSwitchesEverythingOff) {
    Start_Progress(progress, win, ProgressKind::Graph);
    graphProgressBarCounter_Timer(progress, win);
    Start_Progress(progress, win, ProgressKind::Screen);

    Reset_Progress(progress, win);

    EXPECT_FALSE(progress.CounterTimerEnabled || progress.ScreenTimerEnabled ||
                 progress.GraphTimerEnabled || progress.GraphProgressTick ||
                 progress.ScreenProgressTick || win.ProgressVisible);
}

} // namespace
} // namespace orvane
