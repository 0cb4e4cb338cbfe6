#pragma once
// Rounding of the theme editor's percentage conversions.

namespace tikloom {

// Nearest integer, a half going up: 127.5 gives 128, -0.5 gives 0.
int RoundHalfUp(double x);

} // namespace tikloom
