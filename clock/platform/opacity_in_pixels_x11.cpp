// X11 compositors differ on the window opacity property (picom and xcompmgr
// honour it, sway and weston ignore it for XWayland windows), while every one
// of them blends premultiplied pixels: with a compositor the opacity goes into
// the pixels. Without one the server ignores both, and the outline cut is what
// shows, so the pixels stay as drawn.

#include "clock/platform/opacity_in_pixels.h"

namespace tikloom {

bool OpacityInPixels(bool composited) {
    return composited;
}

} // namespace tikloom
