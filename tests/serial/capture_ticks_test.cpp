#include "serial/pushed_text_capture.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// No transmission runs: the tables and the view are never reached.
Workspace ws;
WindowState win;

PushedTextState At(int tick, int lastRx, bool unsaved = false) {
    PushedTextState state;
    state.TickCount = static_cast<std::int16_t>(tick);
    state.LastRxTick = static_cast<std::int16_t>(lastRx);
    state.unsaved = unsaved;
    return state;
}

TEST(Timer1Timer, CountsUpTo5001AndGoesOnAtSixKeepingTheSilence) {
    struct Row {
        int tick, lastRx, tickAfter, silenceAfter;
    };
    for (const Row& row : {
             Row{0, 0, 1, 1}, Row{5000, 10, 5001, 4991},
             Row{5001, 4999, 6, 3}, // two ticks before the wrap are three after it
             Row{5001, 4996, 6, 6}, // five before make six: the silence has ended
             Row{5001, 100, 6, 6},  // a long silence stays long enough
         }) {
        SCOPED_TRACE("tick " + std::to_string(row.tick) + ", last " + std::to_string(row.lastRx));
        PushedTextState state = At(row.tick, row.lastRx);
        Timer1_Timer(state, ws, win);
        EXPECT_EQ(state.TickCount, row.tickAfter);
        EXPECT_EQ(state.TickCount - state.LastRxTick, row.silenceAfter);
    }
}

TEST(Timer1Timer, ReportsTheEndOfAStoredTransmissionOnceAfterSixTicksAcrossTheWrapToo) {
    for (const int start : {200, 4998}) {
        SCOPED_TRACE("from tick " + std::to_string(start));
        PushedTextState state = At(start, start, true);
        for (int tick = 1; tick < TransmissionGapTicks; ++tick)
            EXPECT_FALSE(Timer1_Timer(state, ws, win)) << "after " << tick << " ticks";
        EXPECT_TRUE(Timer1_Timer(state, ws, win));
        EXPECT_FALSE(Timer1_Timer(state, ws, win));
        EXPECT_FALSE(state.unsaved);
    }
}

} // namespace
} // namespace orvane
