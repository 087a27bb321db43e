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

TEST_F(Progress, CounterMovesTheBarInStepsOfTenAndStartsAgainAtZeroAfter32760) {
    Start_Progress(progress, win, ProgressKind::Graph);
    for (const int value : {10, 20, 30, 40, 50, 60, 70, 80, 90, 0, 10}) {
        tmrProgressBarCounter_Timer(progress, win);
        EXPECT_EQ(win.ProgressValue, value);
    }
    progress.Counter = 32750;
    for (const int counter : {32760, 0, 10}) {
        tmrProgressBarCounter_Timer(progress, win);
        EXPECT_EQ(progress.Counter, counter);
        EXPECT_EQ(win.ProgressValue, counter % 100);
    }
}

TEST_F(Progress, ScreenTimerHidesTheBarAndOnlyTheTopOfATurnSwitchesOffTheTimersThatFired) {
    Start_Progress(progress, win, ProgressKind::Graph);
    Start_Progress(progress, win, ProgressKind::Screen);
    screenProgressBarCounter_Timer(progress, win);
    EXPECT_FALSE(win.ProgressVisible || progress.CounterTimerEnabled || progress.GraphProgressTick);
    EXPECT_TRUE(progress.ScreenProgressTick && progress.ScreenTimerEnabled);

    Stop_Fired_Progress_Timers(progress);
    EXPECT_FALSE(progress.ScreenTimerEnabled || progress.ScreenProgressTick);
    EXPECT_TRUE(progress.GraphTimerEnabled);
}

TEST_F(Progress, ResetSwitchesEverythingOffSoALateTimeoutDoesNothing) {
    Start_Progress(progress, win, ProgressKind::Graph);
    graphProgressBarCounter_Timer(progress, win);
    Start_Progress(progress, win, ProgressKind::Screen);
    Reset_Progress(progress, win);

    tmrProgressBarCounter_Timer(progress, win);
    screenProgressBarCounter_Timer(progress, win);
    graphProgressBarCounter_Timer(progress, win);
    EXPECT_FALSE(progress.CounterTimerEnabled || progress.ScreenTimerEnabled ||
                 progress.GraphTimerEnabled || progress.GraphProgressTick ||
                 progress.ScreenProgressTick || win.ProgressVisible);
    EXPECT_EQ(progress.Counter, 0);
}

} // namespace
} // namespace orvane
