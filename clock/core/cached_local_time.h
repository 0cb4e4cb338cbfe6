#pragma once
// The local time for the tick. The broken-down time is worked out only when
// the second changes, in the time zone in force then; within a second only
// the milliseconds move. No watch on the wall clock is needed: a clock that
// was set shows at the next second anyway.

#include "clock/core/clock_time.h"

#include <ctime>

namespace tikloom {

class CachedLocalTime {
public:
    ClockTime operator()();

private:
    time_t second_ = -1;
    ClockTime cached_;
};

} // namespace tikloom
