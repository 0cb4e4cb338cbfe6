#pragma once
// Loading a theme into the running clock: the model, then the face and the
// first frame.

#include "clock/core/app_state.h"

namespace tikloom {

// Loads the current theme of state.Layout into state.Theme, rebuilds
// the face and presents the current time on it, at the pixel ratio of the
// state's buffers. Never fails.
void LoadTheme(AppState& state);

// Makes the buffers for a screen of that device pixel ratio and, when that
// changes their size, loads the theme again for it. Returns whether it did.
bool UsePixelRatio(AppState& state, double ratio);

} // namespace tikloom
