#pragma once
// A Ctrl-drag moves the window itself, so it stays exactly under the pointer.
// Some window systems ignore a client's moves (XWayland under sway); there the
// drag gives way to the window manager's own move. The window's origin as the
// server reports it with each motion event tells the two apart: it leaves the
// place the drag started from as soon as one move was carried out.

#include <QPoint>
#include <QtGlobal>

namespace tikloom {

// Time a window manager gets to carry out the first move of a drag.
constexpr qint64 kMoveAnswerMs = 250;

struct ManualDrag {
    QPoint StartOrigin;      // where the window was when the drag began
    qint64 FirstMoveMs = -1; // when the first move was asked for; -1: none yet
    bool MovesCarriedOut = false;
};

enum class DragStep {
    MoveWindow,          // move the window to the target
    HandToWindowManager, // moves are ignored: start the window manager's move
};

// One motion of a drag: `origin` is where the server says the window is,
// `target` where the drag wants it, `nowMs` a steady clock. The drag gives way
// once the window still sits at its start kMoveAnswerMs after the first move
// was asked for, while the target lies elsewhere.
DragStep NextDragStep(ManualDrag& drag, QPoint origin, QPoint target, qint64 nowMs);

} // namespace tikloom
