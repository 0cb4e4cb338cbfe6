#include "clock/core/tick_rules.h"

namespace tikloom {

namespace {

constexpr uint16_t kSecondsPerMinute = 60;
constexpr uint16_t kMinutesPerHour = 60;
constexpr uint16_t kHoursPerDay = 24;
constexpr uint16_t kSecondsBetweenPlainRedraws = 10;

uint16_t Wrap(int value, uint16_t period) {
    return static_cast<uint16_t>(value % period);
}

void NextHour(ClockTime& t) {
    t.Hour = Wrap(t.Hour + 1, kHoursPerDay);
}

} // namespace

void AdvanceTime(ClockTime& shown, int timeMode, const ClockTime& now) {
    switch (timeMode) {
    case 1: // 20 times real time
        shown.Second = Wrap(shown.Second + 1, kSecondsPerMinute);
        if (shown.Second == 0) {
            shown.Minute = Wrap(shown.Minute + 1, kMinutesPerHour);
            if (shown.Minute == 0)
                NextHour(shown);
        }
        break;
    case 2: // a minute forward, a second back, per tick
        shown.Second = Wrap(shown.Second + 59, kSecondsPerMinute);
        shown.Minute = Wrap(shown.Minute + 1, kMinutesPerHour);
        if (shown.Minute == 0)
            NextHour(shown);
        break;
    case 3: // four minutes forward, a second back, per tick
        shown.Second = Wrap(shown.Second + 59, kSecondsPerMinute);
        shown.Minute = Wrap(shown.Minute + 4, kMinutesPerHour);
        if (shown.Minute < 4)
            NextHour(shown);
        break;
    default:
        shown = now;
        break;
    }
}

int NextTimeMode(int timeMode) {
    return (timeMode + 1) % kTimeModeCount;
}

bool TakeNewSecond(AppState& state) {
    const uint16_t second = state.DisplayedTime.Second;
    if (second == state.LastSecond)
        return false;
    state.LastSecond = second;
    return state.Theme.ShowSecHand || second % kSecondsBetweenPlainRedraws == 0;
}

FadeOutStep FadeOut(AppState& state) {
    FadeOutStep step;
    if (!state.WindowVisible)
        return step;
    if (state.CurrentAlpha >= kFadeOutStep) {
        state.CurrentAlpha -= kFadeOutStep;
        step.ApplyOpacity = true;
    } else {
        state.CurrentAlpha = 0;
    }
    if (state.CurrentAlpha == 0) {
        step.Hide = true;
        state.WindowVisible = false;
    }
    return step;
}

} // namespace tikloom
