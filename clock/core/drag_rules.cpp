#include "clock/core/drag_rules.h"

namespace tikloom {

DragStep NextDragStep(ManualDrag& drag, QPoint origin, QPoint target, qint64 nowMs) {
    if (origin != drag.StartOrigin)
        drag.MovesCarriedOut = true;
    if (drag.MovesCarriedOut)
        return DragStep::MoveWindow;
    if (drag.FirstMoveMs < 0) {
        drag.FirstMoveMs = nowMs;
        return DragStep::MoveWindow;
    }
    if (nowMs - drag.FirstMoveMs >= kMoveAnswerMs && target != drag.StartOrigin)
        return DragStep::HandToWindowManager;
    return DragStep::MoveWindow;
}

} // namespace tikloom
