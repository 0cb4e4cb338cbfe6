#pragma once
// The pointer's screen position and the Ctrl and Shift keys' states, read
// together once per tick: on X11 one round trip to the server gives all.

#include <QPoint>

namespace tikloom {

struct PointerState {
    bool Known = false; // false when the position could not be read
    QPoint Position;
    bool CtrlDown = false;
    bool ShiftDown = false;
};

PointerState QueryPointer();

} // namespace tikloom
