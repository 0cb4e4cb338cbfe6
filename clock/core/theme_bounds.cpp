#include "clock/core/theme_bounds.h"

#include <algorithm>

namespace tikloom {

namespace {

void Bound(float& value, float limit) {
    value = std::clamp(value, -limit, limit);
}

} // namespace

void BoundThemeGeometry(ThemeModel& model) {
    for (float* length : {&model.CenterX,        &model.CenterY,        &model.Radius,
                          &model.CaptionX,       &model.CaptionY,       &model.MajorTickSize,
                          &model.MinorTickSize,  &model.ImageLeft,      &model.ImageTop,
                          &model.ImageWidth,     &model.ImageHeight,    &model.SecWidth,
                          &model.SecHeadLength,  &model.SecTailLength,  &model.MinWidth,
                          &model.MinHeadLength,  &model.MinTailLength,  &model.HourWidth,
                          &model.HourHeadLength, &model.HourTailLength, &model.ShadowThickness,
                          &model.ShadowOffsetX,  &model.ShadowOffsetY}) {
        Bound(*length, kMaxThemeExtent);
    }
    Bound(model.NumberRadius, kMaxNumberRadius);
    Bound(model.CaptionFontSize, kMaxFontPoints);
    Bound(model.TickNumbersFontSize, kMaxFontPoints);
}

} // namespace tikloom
