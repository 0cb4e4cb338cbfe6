// On Windows the C runtime refreshes its zone data when asked; the clock asks
// at every WM_TIMECHANGE, which Qt does not forward, so a native event filter
// would be needed. Kept minimal: the zone is read again at each start.

#include "clock/platform/time_change_watch.h"

namespace tikloom {

TimeChangeWatch::TimeChangeWatch() = default;
TimeChangeWatch::~TimeChangeWatch() = default;

void TimeChangeWatch::Arm() {}

} // namespace tikloom
