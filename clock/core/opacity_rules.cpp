#include "clock/core/opacity_rules.h"

#include <algorithm>
#include <cmath>

namespace tikloom {

OpacityChange ApplyCtrlRule(AppState& state) {
    OpacityChange change;
    if (!state.Clickable) {
        change.BecomeClickable = true;
        state.Clickable = true;
    }
    if (state.CurrentAlpha < kOpaque) {
        state.CurrentAlpha = std::min(state.CurrentAlpha + kCtrlStep, kOpaque);
        change.ApplyOpacity = true;
    }
    return change;
}

void ForgetRestingBound(AppState& state) {
    state.Clamp = OpacityClamp::Between;
}

void PrepareFadeIn(AppState& state) {
    state.CurrentAlpha = 0;
    ForgetRestingBound(state);
}

int HoverTarget(double distance, int minAlpha) {
    const int beyond = static_cast<int>(std::trunc(distance - kHoverInnerRadius));
    return minAlpha + kHoverSlope * beyond;
}

namespace {

int RateLimited(int current, int target) {
    if (current - target > kHoverRateLimit)
        return current - kHoverRateLimit;
    if (current - target < -kHoverRateLimit)
        return current + kHoverRateLimit;
    return target;
}

} // namespace

HoverStep NextHoverStep(const AppState& state, QPoint cursor, const QRect& windowRect) {
    const double dx = cursor.x() - (windowRect.left() + kHalfClockSize);
    const double dy = cursor.y() - (windowRect.top() + kHalfClockSize);
    const int target = HoverTarget(std::sqrt(dx * dx + dy * dy), state.Theme.MinAlpha);
    const int next = RateLimited(state.CurrentAlpha, target);

    HoverStep step;
    if (next > state.Theme.MaxAlpha) {
        step.Alpha = state.Theme.MaxAlpha;
        step.Clamp = OpacityClamp::AtMax;
    } else if (next < state.Theme.MinAlpha) {
        step.Alpha = state.Theme.MinAlpha;
        step.Clamp = OpacityClamp::AtMin;
    } else {
        step.Alpha = next;
        step.Clamp = OpacityClamp::Between;
    }
    step.Apply = step.Clamp == OpacityClamp::Between || step.Clamp != state.Clamp;
    return step;
}

OpacityChange ApplyHoverRule(AppState& state, QPoint cursor, const QRect& windowRect) {
    OpacityChange change;
    const HoverStep step = NextHoverStep(state, cursor, windowRect);
    state.CurrentAlpha = step.Alpha;
    state.Clamp = step.Clamp;
    change.ApplyOpacity = step.Apply;

    if (state.Clickable) {
        change.BecomeClickThrough = true;
        change.ApplyOpacity = true;
        state.Clickable = false;
    }
    return change;
}

} // namespace tikloom
