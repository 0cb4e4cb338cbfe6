// Windows ends a session through the application's commit-data request, which
// the clock handles elsewhere; there are no stop signals to watch.

#include "clock/platform/stop_signals.h"

namespace tikloom {

StopSignals::StopSignals() = default;

} // namespace tikloom
