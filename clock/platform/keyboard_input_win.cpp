// On Windows click-through (WS_EX_TRANSPARENT) concerns the mouse only.

#include "clock/platform/keyboard_input.h"

namespace tikloom {

void KeepKeyboardInput(QWindow*) {}

} // namespace tikloom
