// GetCursorPos and GetAsyncKeyState answer from the system's own input state,
// whichever window has the focus, without waiting on anything: every tick
// simply reads them now.

#include "clock/platform/pointer_query.h"

#include <QCursor>
#include <windows.h>

namespace tikloom {

namespace {

// The high bit of GetAsyncKeyState: the key is down now.
constexpr SHORT kKeyDown = static_cast<SHORT>(0x8000);

bool KeyDown(int virtualKey) {
    return (GetAsyncKeyState(virtualKey) & kKeyDown) != 0;
}

} // namespace

PointerState QueryPointer() {
    PointerState state;
    // GetCursorPos fails while another desktop (the lock screen, a secure
    // prompt) has the input: the position is then unknown.
    POINT point;
    if (GetCursorPos(&point) == 0) {
        return state;
    }
    state.Known = true;
    // The window's geometry is in Qt's device-independent pixels; QCursor::pos
    // gives the same point in those (the one GetCursorPos read, scaled by the
    // density of the screen it is on).
    state.Position = QCursor::pos();
    state.CtrlDown = KeyDown(VK_CONTROL);
    state.ShiftDown = KeyDown(VK_SHIFT);
    return state;
}

PointerState PollPointer(int) {
    return QueryPointer();
}

} // namespace tikloom
