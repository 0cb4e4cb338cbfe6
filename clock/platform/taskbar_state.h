#pragma once
// The clock stays out of the taskbar and the pager: it is an ornament of the
// desktop, reached through its own gestures, its tray icon and its hot key.

class QWindow;

namespace tikloom {

// Called just before the window is shown (mapped). Windows leaves tool
// windows out of the taskbar by itself; X11 taskbars and pagers read the
// window's state, which the window manager drops whenever the window is
// hidden, so it is set again before every show.
void KeepOutOfTaskbar(QWindow* window);

} // namespace tikloom
