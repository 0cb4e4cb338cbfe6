#pragma once
// The window's overall opacity put into the frame's own premultiplied pixels,
// as a layered window's constant alpha blends them: where a compositor ignores
// a window's opacity property, the pixels still carry the fade.

#include <QImage>
#include <QRect>

namespace tikloom {

constexpr int kOpaque = 255;

// One premultiplied channel (alpha included) times alpha / 255, rounded to
// the nearest value.
constexpr uint FadeChannel(uint channel, uint alpha) {
    const uint product = channel * alpha + 128;
    return (product + (product >> 8)) >> 8;
}

// The area of a premultiplied ARGB32 frame with every channel faded by
// alpha (0 to kOpaque, which leaves the pixels as they are).
QImage FadedCopy(const QImage& frame, const QRect& area, int alpha);

} // namespace tikloom
