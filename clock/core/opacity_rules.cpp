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

OpacityChange ApplyHoverRule(AppState& state, QPoint cursor, const QRect& windowRect) {
    OpacityChange change;
    const double dx = cursor.x() - (windowRect.left() + kHalfClockSize);
    const double dy = cursor.y() - (windowRect.top() + kHalfClockSize);
    const int target = HoverTarget(std::sqrt(dx * dx + dy * dy), state.Theme.MinAlpha);
    const int next = RateLimited(state.CurrentAlpha, target);

    if (next > state.Theme.MaxAlpha) {
        state.CurrentAlpha = state.Theme.MaxAlpha;
        change.ApplyOpacity = state.Clamp != OpacityClamp::AtMax;
        state.Clamp = OpacityClamp::AtMax;
    } else if (next < state.Theme.MinAlpha) {
        state.CurrentAlpha = state.Theme.MinAlpha;
        change.ApplyOpacity = state.Clamp != OpacityClamp::AtMin;
        state.Clamp = OpacityClamp::AtMin;
    } else {
        state.CurrentAlpha = next;
        change.ApplyOpacity = true;
        state.Clamp = OpacityClamp::Between;
    }

    if (state.Clickable) {
        change.BecomeClickThrough = true;
        change.ApplyOpacity = true;
        state.Clickable = false;
    }
    return change;
}

} // namespace tikloom
