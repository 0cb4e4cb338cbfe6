// Windows puts a window where it asks to be and draws no frame round a
// popup: nothing is ever imposed.

#include "clock/platform/window_manager.h"

namespace tikloom {

bool WindowManagerRuns() {
    return false;
}

} // namespace tikloom
