#pragma once
// Whether a window manager runs. Only a window manager can place a window
// elsewhere than it asked, or offset it by a frame; without one, every move
// of the clock's window is a real one (made by the clock or by the user
// through another program).

namespace tikloom {

bool WindowManagerRuns();

} // namespace tikloom
