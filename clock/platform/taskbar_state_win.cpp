// On Windows a tool window (Qt::Tool) never appears in the taskbar.

#include "clock/platform/taskbar_state.h"

namespace tikloom {

void KeepOutOfTaskbar(QWindow*) {}

} // namespace tikloom
