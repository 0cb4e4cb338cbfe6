// On Windows the window's opacity is the layered window's constant alpha
// (Qt applies it with UpdateLayeredWindow and no new contents), which the
// system always honours: the pixels stay as drawn.

#include "clock/platform/opacity_in_pixels.h"

namespace tikloom {

bool OpacityInPixels(bool) {
    return false;
}

} // namespace tikloom
