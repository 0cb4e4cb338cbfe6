#include "clock/core/load_theme.h"

#include "clock/core/face_renderer.h"
#include "clock/core/opacity_rules.h"
#include "clock/core/theme_loader.h"

namespace tikloom {

void LoadTheme(AppState& state) {
    LoadThemeModel(state.Layout, state.Theme, state.FaceBuffer.ratio());
    // The window keeps its opacity, which the new bounds may not allow.
    ForgetRestingBound(state);
    BuildFace(state);
}

bool UsePixelRatio(AppState& state, double ratio) {
    if (DeviceSide(ratio) == state.FaceBuffer.side()) {
        return false;
    }
    state.FaceBuffer = PixelBuffer(ratio);
    state.FrameBuffer = PixelBuffer(ratio);
    // Again, as the hands image may have a file for the new density.
    LoadTheme(state);
    return true;
}

} // namespace tikloom
