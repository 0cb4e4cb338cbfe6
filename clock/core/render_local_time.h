#pragma once
// The local time the renderers use: the state's time source when one is set
// (the clock's, or a fixed time for a render or a test), else the system clock.

#include "clock/core/app_state.h"
#include "clock/core/clock_time.h"

#include <ctime>

namespace tikloom {

ClockTime RenderLocalTime(const AppState& state);

// The broken-down time the caption is formatted from, with day of the year,
// daylight-saving flag and zone filled in for the conversions that print them.
struct tm CaptionTimeFields(const ClockTime& time);

} // namespace tikloom
