// Any process may take the foreground from this one until the user does
// something else: the running instance is the one that asks next.

#include "common/foreground_handover.h"

#include <windows.h>

namespace tikloom {

void AllowForegroundHandOver() {
    AllowSetForegroundWindow(ASFW_ANY);
}

} // namespace tikloom
