#pragma once
// The pointer's screen position and the Ctrl key's state, read together once
// per tick: on X11 one round trip to the server gives both.

#include <QPoint>

namespace tikloom {

struct PointerState {
    bool Known = false; // false when the position could not be read
    QPoint Position;
    bool CtrlDown = false;
};

PointerState QueryPointer();

} // namespace tikloom
