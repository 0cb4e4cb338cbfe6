#pragma once
// The tray icon of a minimised clock: a miniature analog clock (white dial,
// dark rim, hour and minute hands, a red mark at the rim for the seconds).

#include "clock/core/clock_time.h"

#include <QImage>

namespace tikloom {

constexpr int kSmallIconSize = 16;

// Radius of the miniature's dial on a size x size icon: (size - 1) / 2,
// 7.5 on the classic 16-pixel icon.
float TrayClockRadius(int size);

// Draws the miniature for `time` on a transparent size x size premultiplied
// ARGB image. At 16 pixels the pen widths are those of the classic small
// icon; larger icons scale them with the dial so the picture stays the same.
QImage DrawTrayClock(const ClockTime& time, bool showSecondMark, int size = kSmallIconSize);

} // namespace tikloom
