#include "clock/platform/pointer_query.h"

#include <QCursor>
#include <windows.h>

namespace tikloom {

PointerState QueryPointer() {
    PointerState state;
    POINT point;
    state.Known = GetCursorPos(&point) != 0;
    state.Position = QCursor::pos();
    state.CtrlDown = (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
    state.ShiftDown = (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
    return state;
}

PointerState PollPointer(int) {
    return QueryPointer();
}

} // namespace tikloom
