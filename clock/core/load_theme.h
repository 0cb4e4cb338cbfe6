#pragma once
// Loading a theme into the running clock: the model, then the face and the
// first frame.

#include "clock/core/app_state.h"

namespace tikloom {

// Loads the current theme of state.ProgramFolder into state.Theme, rebuilds
// the face and presents the current time on it. Never fails.
void LoadTheme(AppState& state);

} // namespace tikloom
