#pragma once
// Draws the static layers of the clock (images, mask cut, overlay, tick dots
// and numbers) into FaceBuffer once per theme load, then shows the time on it.

#include "clock/core/app_state.h"

#include <QRectF>
#include <QSizeF>

namespace tikloom {

// Rebuilds state.FaceBuffer from state.Theme, sets DisplayedTime to the local
// time and draws and presents the first frame (DrawTime).
void BuildFace(AppState& state);

// Where the background image of that size goes for the theme's image box:
// the box itself, or with KeepImageAspectRatio the smallest rectangle of the
// image's proportions that covers the box, centred on it (not clipped).
QRectF BackgroundRectangle(const ThemeModel& theme, const QSizeF& imageSize);

} // namespace tikloom
