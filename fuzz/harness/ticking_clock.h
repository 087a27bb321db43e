#pragma once
// A clock that moves on by two seconds at every other reading. Time passes while bytes
// arrive, so record names do not pile up on one second (finding a free one would then take
// most of a run), yet two records in a row still fall within one second now and then. It
// moves with the readings, not with real time, so runs over the same bytes read the same
// times.

#include "output/stamps.h"
#include "support/fakes.h"

namespace orvane::fuzzing {

class TickingClock final : public Clock {
  public:
    LocalTime Now() override {
        if (++readings_ % 2 == 0)
            clock_.now = AddSeconds(clock_.now, 2);
        return clock_.now;
    }
    std::string TimeText(const LocalTime& time) override { return clock_.TimeText(time); }

  private:
    testing::FakeClock clock_;
    long readings_ = 0;
};

} // namespace orvane::fuzzing
