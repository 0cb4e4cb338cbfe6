#include "clock/core/wake_rules.h"

#include "clock/core/opacity_rules.h"
#include "clock/core/tick_rules.h"

namespace tikloom {

namespace {

constexpr int kMillisecondsPerSecond = 1000;
// Wakes a little after the second turns, so the new second is surely there.
constexpr int kPastTheSecondMs = 5;

// The hover rule would leave everything as it is for this pointer, now and at
// every later tick: the clock is click-through and its opacity rests.
bool HoverSettled(const AppState& state, QPoint pointer, const QRect& windowRect) {
    if (state.Clickable)
        return false;
    const HoverStep step = NextHoverStep(state, pointer, windowRect);
    return step.Alpha == state.CurrentAlpha && step.Clamp == state.Clamp;
}

bool ShownClockCanChange(const AppState& state, const InputAtTick& input, const QRect& windowRect) {
    if (!input.Watched || input.Changed || input.CtrlDown)
        return true;
    if (!input.PointerKnown)
        return false; // the pointer is on another screen: no rule runs
    return !HoverSettled(state, input.Pointer, windowRect);
}

} // namespace

bool CanChangeBeforeNextSecond(const AppState& state, const InputAtTick& input,
                               const QRect& windowRect) {
    if (state.TimeMode != 0)
        return true; // the previews step every tick
    if (state.Minimized)
        return state.WindowVisible; // still fading out
    return ShownClockCanChange(state, input, windowRect);
}

NextTick PlanNextTick(const AppState& state, const InputAtTick& input, const QRect& windowRect) {
    if (CanChangeBeforeNextSecond(state, input, windowRect))
        return {false, kTickMs};
    return {true, kMillisecondsPerSecond - state.DisplayedTime.Milliseconds + kPastTheSecondMs};
}

int NextTickDelay(const AppState& state, const InputAtTick& input, const QRect& windowRect) {
    return PlanNextTick(state, input, windowRect).DelayMs;
}

} // namespace tikloom
