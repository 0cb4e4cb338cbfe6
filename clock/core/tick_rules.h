#pragma once
// The clock's 50 ms tick as plain rules over the application state: how the
// shown time advances in each time mode, when a new frame (or a new tray icon)
// is due, and the fade-out of a clock going to the tray. When the tick runs is
// in wake_rules.h.

#include "clock/core/app_state.h"
#include "clock/core/clock_time.h"

namespace tikloom {

constexpr int kTickMs = 50;
constexpr int kTimeModeCount = 4;
constexpr int kFadeOutStep = 50;

// Mode 0 copies now; modes 1..3 step the time-lapse previews and leave the
// date alone.
void AdvanceTime(ClockTime& shown, int timeMode, const ClockTime& now);

// The "t" key: 0 -> 1 -> 2 -> 3 -> 0.
int NextTimeMode(int timeMode);

// Records a changed second in LastSecond; true when a new picture is due:
// the second changed and either the theme shows a second hand or the
// second is a multiple of ten.
bool TakeNewSecond(AppState& state);

// What one tick of a minimised clock asks of the window.
struct FadeOutStep {
    bool ApplyOpacity = false; // CurrentAlpha lowered; apply it, no redraw
    bool Hide = false;         // faded out: hide the window
};

// Lowers CurrentAlpha by 50 while it is 50 or more; below that it becomes 0
// and the window is hidden. A window that reaches 0 exactly, or sits at 0
// while still shown, is hidden too: an X server without a compositor ignores
// the opacity, so a shown window would stay in sight. Nothing happens once the
// window is hidden.
FadeOutStep FadeOut(AppState& state);

} // namespace tikloom
