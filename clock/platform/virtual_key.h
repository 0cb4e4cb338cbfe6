#pragma once
// Windows virtual-key codes, as tikloom.ini stores the hot key, mapped to X11
// keysyms.

#include <cstdint>

namespace tikloom {

// The keysym of virtualKey: letters, digits, Backspace (8), Enter (13),
// Escape (27), Space (32) and F1..F24 (112..135); 0 for any other code.
uint32_t KeysymForVirtualKey(uint32_t virtualKey);

} // namespace tikloom
