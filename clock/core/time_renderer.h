#pragma once
// Draws one frame of the clock: the cached face, the caption and the three
// hands for DisplayedTime, and hands it to the state's Presenter.

#include "clock/core/app_state.h"
#include "clock/core/clock_time.h"

namespace tikloom {

// Angles of the hands in radians, clockwise from 12 o'clock.
struct HandAngles {
    double hour = 0;
    double minute = 0;
    double second = 0;
};

// The hour hand moves with the minutes, the minute hand with the seconds;
// the second hand jumps once a second. Milliseconds are ignored.
HandAngles AnglesOf(const ClockTime& time);

// Copies FaceBuffer into FrameBuffer, draws caption and hands, and presents
// FrameBuffer at CurrentAlpha. The face with its caption is kept in
// CaptionedFace until the caption changes or the face is built again.
void DrawTime(AppState& state);

} // namespace tikloom
