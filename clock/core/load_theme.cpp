#include "clock/core/load_theme.h"

#include "clock/core/face_renderer.h"
#include "clock/core/theme_loader.h"

namespace tikloom {

void LoadTheme(AppState& state) {
    LoadThemeModel(state.ProgramFolder, state.Theme);
    BuildFace(state);
}

} // namespace tikloom
