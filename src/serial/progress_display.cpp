#include "serial/progress_display.h"

namespace orvane {

namespace {

constexpr std::int16_t CounterStep = 10;
constexpr std::int16_t CounterLimit = 32767;

void HideBar(ProgressDisplay& progress, WindowState& win) {
    progress.CounterTimerEnabled = false;
    win.ProgressVisible = false;
}

} // namespace

void Reset_Progress(ProgressDisplay& progress, WindowState& win) {
    progress.CounterTimerEnabled = false;
    progress.ScreenTimerEnabled = false;
    progress.GraphTimerEnabled = false;
    progress.ScreenProgressTick = false;
    progress.GraphProgressTick = false;
    win.ProgressVisible = false;
}

void Start_Progress(ProgressDisplay& progress, WindowState& win, ProgressKind kind) {
    progress.CounterTimerEnabled = true;
    if (kind == ProgressKind::Graph)
        progress.GraphTimerEnabled = true;
    else
        progress.ScreenTimerEnabled = true;
    win.ProgressVisible = true;
}

void Stop_Fired_Progress_Timers(ProgressDisplay& progress) {
    if (progress.ScreenProgressTick) {
        progress.ScreenTimerEnabled = false;
        progress.ScreenProgressTick = false;
    }
    if (progress.GraphProgressTick) {
        progress.GraphTimerEnabled = false;
        progress.GraphProgressTick = false;
    }
}

void tmrProgressBarCounter_Timer(ProgressDisplay& progress, WindowState& win) {
    if (!progress.CounterTimerEnabled)
        return;
    progress.Counter = progress.Counter > CounterLimit - CounterStep
                           ? std::int16_t{0}
                           : static_cast<std::int16_t>(progress.Counter + CounterStep);
    win.ProgressValue = progress.Counter % 100;
}

void screenProgressBarCounter_Timer(ProgressDisplay& progress, WindowState& win) {
    if (!progress.ScreenTimerEnabled)
        return;
    HideBar(progress, win);
    progress.ScreenProgressTick = true;
}

void graphProgressBarCounter_Timer(ProgressDisplay& progress, WindowState& win) {
    if (!progress.GraphTimerEnabled)
        return;
    HideBar(progress, win);
    progress.GraphProgressTick = true;
}

} // namespace orvane
