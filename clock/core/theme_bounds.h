#pragma once
// Bounds on a loaded theme's geometry. A theme may hold any 32-bit number;
// the drawing layer turns lengths into integer pixel rectangles, at up to
// 8 times the clock's 128 design units on dense screens. Every length is
// held where any sum of a few of them, so scaled, stays far inside int.

#include "clock/core/theme_model.h"

namespace tikloom {

// Lengths, offsets and sizes in design pixels: 128 times the clock's size.
constexpr float kMaxThemeExtent = 16384.0f;
// The tick numbers' radius as a fraction of Radius.
constexpr float kMaxNumberRadius = 100.0f;
// Font sizes in points: ten times the clock's height.
constexpr float kMaxFontPoints = 1024.0f;

// Clamps every geometric value of the model into the bounds above.
void BoundThemeGeometry(ThemeModel& model);

} // namespace tikloom
