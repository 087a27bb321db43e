#include "serial/pushed_text_capture.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

PushedTextState At(int tick, int lastRx) {
    PushedTextState state;
    state.TickCount = static_cast<std::int16_t>(tick);
    state.LastRxTick = static_cast<std::int16_t>(lastRx);
    return state;
}

TEST(Timer1Timer, CountsHalfSecondsFromZero) {
    PushedTextState state;
    Timer1_Timer(state);
    Timer1_Timer(state);
    EXPECT_EQ(state.TickCount, 2);
    EXPECT_EQ(state.LastRxTick, 0);
}

TEST(Timer1Timer, CountsUpTo5001AndGoesOnAtSix) {
    PushedTextState state = At(5000, 10);
    Timer1_Timer(state);
    EXPECT_EQ(state.TickCount, 5001);
    Timer1_Timer(state);
    EXPECT_EQ(state.TickCount, 6);
}

TEST(Timer1Timer, WrapKeepsAShortSilenceRunning) {
    // Two ticks of silence before the wrap are three after it: still the same transmission.
    PushedTextState state = At(5001, 4999);
    Timer1_Timer(state);
    EXPECT_EQ(state.TickCount - state.LastRxTick, 3);
}

TEST(Timer1Timer, WrapKeepsALongSilenceEndingTheTransmission) {
    PushedTextState longSilence = At(5001, 100);
    Timer1_Timer(longSilence);
    EXPECT_GE(longSilence.TickCount - longSilence.LastRxTick, TransmissionGapTicks);

    // Five ticks before the wrap make six after it.
    PushedTextState justEnded = At(5001, 4996);
    Timer1_Timer(justEnded);
    EXPECT_EQ(justEnded.TickCount - justEnded.LastRxTick, TransmissionGapTicks);
}

TEST(Timer1Timer, ReportsTheEndOfAStoredTransmissionOnce) {
    PushedTextState state = At(200, 200);
    state.unsaved = true;
    for (int tick = 1; tick < TransmissionGapTicks; ++tick)
        EXPECT_FALSE(Timer1_Timer(state)) << "after " << tick << " ticks";
    EXPECT_TRUE(Timer1_Timer(state));
    EXPECT_FALSE(Timer1_Timer(state));
    EXPECT_FALSE(state.unsaved);
}

TEST(Timer1Timer, ReportsTheEndOfATransmissionAcrossTheWrap) {
    PushedTextState state = At(4998, 4998);
    state.unsaved = true;
    int ticks = 0;
    while (!Timer1_Timer(state))
        ASSERT_LT(++ticks, 100);
    EXPECT_EQ(ticks + 1, TransmissionGapTicks);
}

} // namespace
} // namespace orvane
