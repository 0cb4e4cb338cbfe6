// Windows has one tray, the shell's notification area, which Qt's tray icon
// uses directly: there is no StatusNotifier watcher to look for.

#include "clock/platform/status_notifier_tray.h"

namespace tikloom {

bool StatusNotifierTrayRuns() {
    return false;
}

} // namespace tikloom
