#pragma once
// The opacity of a shown clock: solid and clickable while Ctrl is held
// (the Ctrl rule), otherwise fading as the pointer comes near and letting
// clicks pass through (the hover rule). Both change only the window's overall
// opacity and its click-through state, never the picture.

#include "clock/core/app_state.h"
#include "clock/core/constant_alpha.h"

#include <QPoint>
#include <QRect>

namespace tikloom {

constexpr int kCtrlStep = 50;
constexpr int kHoverRateLimit = 30;
constexpr int kHoverSlope = 2;        // opacity units per pixel
constexpr int kHoverInnerRadius = 64; // pixels from the centre
constexpr int kHalfClockSize = 64;

// What one run of a rule asks of the window, in this order.
struct OpacityChange {
    bool BecomeClickable = false;    // input on, raise to top, nudge the pointer
    bool BecomeClickThrough = false; // input off, raise to top, nudge the pointer
    bool ApplyOpacity = false;       // show CurrentAlpha, no redraw
};

// Ctrl held: clickable, and CurrentAlpha up by 50 per tick up to 255.
// OpacityClamp is left alone.
OpacityChange ApplyCtrlRule(AppState& state);

// Opacity the hover rule aims at for a pointer `distance` pixels from the
// clock's centre: MinAlpha + 2 x (distance - 64, truncated toward zero).
int HoverTarget(double distance, int minAlpha);

// The window shows an opacity the hover rule may not have chosen (a new theme
// brings new bounds): the rule's next result is applied even at the bound it
// rested at before.
void ForgetRestingBound(AppState& state);

// A clock restored from the tray is presented at opacity 0 and faded in by
// the hover rule. Opacity 0 is neither bound, so the rule's first result is
// applied even when it is the bound the rule rested at before the tray.
void PrepareFadeIn(AppState& state);

// Where the hover rule takes the opacity for this pointer: stepped toward
// the hover target by at most 30 and clamped to [MinAlpha, MaxAlpha]. Apply is
// false when the result is the bound the rule already rests at.
struct HoverStep {
    int Alpha = 0;
    OpacityClamp Clamp = OpacityClamp::Between;
    bool Apply = false;
};
HoverStep NextHoverStep(const AppState& state, QPoint cursor, const QRect& windowRect);

// Ctrl up: steps CurrentAlpha toward the hover target by at most 30, clamps
// it to [MinAlpha, MaxAlpha] (a bound already rested at is not applied again)
// and makes the window click-through.
OpacityChange ApplyHoverRule(AppState& state, QPoint cursor, const QRect& windowRect);

} // namespace tikloom
