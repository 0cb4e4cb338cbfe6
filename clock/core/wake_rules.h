#pragma once
// When the clock next wakes. Every 50 ms while anything can change between
// two seconds; otherwise only when the second turns, for the new frame. The
// pointer and the Ctrl key are watched as events where the window system
// sends them, so a clock nobody comes near sleeps from second to second.

#include "clock/core/app_state.h"

#include <QPoint>
#include <QRect>

namespace tikloom {

// The input as the clock knows it at the end of a tick.
struct InputAtTick {
    bool Watched = false; // pointer and keys come as events; otherwise they are polled
    bool Changed = false; // the pointer moved or a modifier changed since the last tick
    bool PointerKnown = false;
    QPoint Pointer;
    bool CtrlDown = false;
};

// True when a tick before the next second may change what the clock shows:
// a fade into the tray, a time-lapse mode, unwatched or changing input, Ctrl
// held, or an opacity the hover rule has not settled for this pointer.
bool CanChangeBeforeNextSecond(const AppState& state, const InputAtTick& input,
                               const QRect& windowRect);

// The next tick: in 50 ms while anything can change, otherwise asleep until
// just past the next whole second.
struct NextTick {
    bool Asleep = false;
    int DelayMs = 0;
};
NextTick PlanNextTick(const AppState& state, const InputAtTick& input, const QRect& windowRect);

// PlanNextTick's delay alone.
int NextTickDelay(const AppState& state, const InputAtTick& input, const QRect& windowRect);

} // namespace tikloom
