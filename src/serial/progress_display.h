#pragma once
// The progress bar animated after each picture start: a 100 ms counter that moves the bar,
// and a 2.5 s (screen image) or 12 s (graph) timer that hides it again. The timers are plain
// state here; the window runs a QTimer for every enabled flag and calls the matching
// handler when it fires.

#include "workspace/window_state.h"

#include <cstdint>

namespace orvane {

struct ProgressDisplay {
    // Enabled flags of tmrProgressBarCounter (100 ms), screenProgressBarCounter (2500 ms)
    // and graphProgressBarCounter (12000 ms).
    bool CounterTimerEnabled = false;
    bool ScreenTimerEnabled = false;
    bool GraphTimerEnabled = false;

    // Set when the screen or graph timer fired; the acquisition loop then disables that
    // timer at the top of its next turn.
    bool ScreenProgressTick = false;
    bool GraphProgressTick = false;

    // Lives as long as the program: 0, 10, ..., 32760, then 0 again.
    std::int16_t Counter = 0;
};

inline constexpr int ProgressCounterIntervalMs = 100;
inline constexpr int ScreenProgressIntervalMs = 2500;
inline constexpr int GraphProgressIntervalMs = 12000;

enum class ProgressKind { Screen, Graph };

// Start-up: every timer off, bar hidden, no tick pending.
void Reset_Progress(ProgressDisplay& progress, WindowState& win);

// A picture start: the counter and the timer of `kind` run, the bar shows.
void Start_Progress(ProgressDisplay& progress, WindowState& win, ProgressKind kind);

// The top of a loop turn: a screen or graph timer that has fired is switched off.
void Stop_Fired_Progress_Timers(ProgressDisplay& progress);

// Timer handlers. Each does nothing while its timer is disabled, so a timeout that was
// already queued when the timer was switched off is harmless.
void tmrProgressBarCounter_Timer(ProgressDisplay& progress, WindowState& win);
void screenProgressBarCounter_Timer(ProgressDisplay& progress, WindowState& win);
void graphProgressBarCounter_Timer(ProgressDisplay& progress, WindowState& win);

} // namespace orvane
