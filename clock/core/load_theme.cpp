#include "clock/core/load_theme.h"

#include "clock/core/face_renderer.h"
#include "clock/core/opacity_rules.h"
#include "clock/core/theme_loader.h"

namespace tikloom {

void LoadTheme(AppState& state) {
    LoadThemeModel(state.Layout, state.Theme);
    // The window keeps its opacity, which the new bounds may not allow.
    ForgetRestingBound(state);
    BuildFace(state);
}

} // namespace tikloom
