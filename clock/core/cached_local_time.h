#pragma once
// The local time for the tick, twenty times a second. The broken-down time is
// worked out only when the second changes; within a second only the
// milliseconds move. A new time zone is read at the next second once tzset
// has run (the time-change watch calls it).

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
