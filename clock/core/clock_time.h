#pragma once
// A broken-down local time with the fields the clock uses (the shape of the
// time the clock shows, its tooltip and its tray icon).

#include <cstdint>

namespace tikloom {

struct ClockTime {
    uint16_t Year = 0;
    uint16_t Month = 0;     // 1..12
    uint16_t DayOfWeek = 0; // 0 Sunday .. 6 Saturday
    uint16_t Day = 0;       // 1..31
    uint16_t Hour = 0;      // 0..23
    uint16_t Minute = 0;
    uint16_t Second = 0;
    uint16_t Milliseconds = 0;
    // Whether summer time is in force: 1 yes, 0 no, -1 not known (a time
    // given by hand). It tells the two 02:30s of the night the clocks go back
    // apart.
    int8_t DaylightSaving = -1;
};

} // namespace tikloom
