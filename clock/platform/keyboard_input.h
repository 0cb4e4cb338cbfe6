#pragma once
// A click-through clock still takes the "t" key once it has the focus, as
// click-through concerns the mouse only.

class QWindow;

namespace tikloom {

// Called after click-through was switched on: undoes the toolkit's removal
// of keyboard events from the window, if it removed them.
void KeepKeyboardInput(QWindow* window);

} // namespace tikloom
