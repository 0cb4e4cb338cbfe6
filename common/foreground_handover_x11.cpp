// X11 window managers decide on activation requests themselves (Qt sends the
// activation message with the user's last event time): nothing to pass on.

#include "common/foreground_handover.h"

namespace tikloom {

void AllowForegroundHandOver() {}

} // namespace tikloom
