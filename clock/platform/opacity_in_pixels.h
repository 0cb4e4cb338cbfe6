#pragma once
// Where the clock's overall opacity (the hover fade, Ctrl, the theme's bounds,
// the fade to the tray) is applied: in the frame's own pixels, or by the
// window system through the window's opacity.

namespace tikloom {

// True when the window must carry its opacity in its pixels; `composited`
// tells whether a compositing manager runs.
bool OpacityInPixels(bool composited);

} // namespace tikloom
