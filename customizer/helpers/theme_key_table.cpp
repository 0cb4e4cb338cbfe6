#include "customizer/helpers/theme_key_table.h"

namespace tikloom {

namespace {
using K = ThemeKeyKind;
constexpr int kNone = 0;
} // namespace

const std::vector<ThemeKeyRow>& ThemeKeyTable() {
    // clang-format off
    static const std::vector<ThemeKeyRow> table = {
        {"Background", "ImageFile", K::ImagePath, "pbBackgroundImage", nullptr, kNone, "Themes\\default.png"},
        {"Background", "MaskFile", K::ImagePath, "pbMaskImage", nullptr, kNone, "Themes\\default_mask.png"},
        {"Background", "OverlayFile", K::ImagePath, "pbOverlayImage", nullptr, kNone, "Themes\\default_overlay.png"},
        {"Options", "HandsImage", K::ImagePath, "pbHandsImage", nullptr, kNone, "Themes\\default_hands.png"},
        {"Options", "ShowMajorTicks", K::Flag, "chkShowMajorTicks", nullptr, 1, nullptr},
        {"Options", "ShowMinorTicks", K::Flag, "chkShowMinorTicks", nullptr, 1, nullptr},
        {"Options", "ShowTickNumbers", K::Flag, "chkShowNumbers", nullptr, 1, nullptr},
        {"Options", "ShowCaption", K::Flag, "chkShowCaption", nullptr, 1, nullptr},
        {"Options", "ShowSecShadow", K::Flag, "chkShowSecShadow", nullptr, 1, nullptr},
        {"Options", "ShowMinShadow", K::Flag, "chkShowMinShadow", nullptr, 0, nullptr},
        {"Options", "ShowHourShadow", K::Flag, "chkShowHourShadow", nullptr, 0, nullptr},
        {"Options", "ShowMinorTickShadow", K::Flag, "chkShowMinorTickShadow", nullptr, 0, nullptr},
        {"Options", "ShowMajorTickShadow", K::Flag, "chkShowMajorTickShadow", nullptr, 0, nullptr},
        {"Options", "KeepImageAspectRatio", K::Flag, "chkBackgroundKeepAspectRatio", nullptr, 1, nullptr},
        {"Options", "UseMaskImage", K::Flag, "chkUseMaskImage", nullptr, 1, nullptr},
        {"Options", "UseOverlayImage", K::Flag, "chkUseOverlayImage", nullptr, 1, nullptr},
        {"Options", "ShowSecHand", K::Flag, "chkDisplaySecondHand", nullptr, 1, nullptr},
        {"Options", "UseHandsImage", K::HandsType, "grpHandsTypeImage", "grpHandsTypeLines", 0, nullptr},
        {"Dimension", "CenterX", K::Number, "txtClockCenterX", nullptr, 600, nullptr},
        {"Dimension", "CenterY", K::Number, "txtClockCenterY", nullptr, 600, nullptr},
        {"Dimension", "Radius", K::Number, "txtClockRadius", nullptr, 480, nullptr},
        {"Dimension", "CaptionX", K::Number, "txtCaptionLeft", nullptr, 0, nullptr},
        {"Dimension", "CaptionY", K::Number, "txtCaptionTop", nullptr, 260, nullptr},
        {"Dimension", "NumberRadius", K::Number, "txtNumbersRadius", nullptr, 82, nullptr},
        {"Dimension", "SecWidth", K::Number, "txtSecHandWidth", nullptr, 10, nullptr},
        {"Dimension", "SecHeadLength", K::Number, "txtSecHandHeadLength", nullptr, 100, nullptr},
        {"Dimension", "SecTailLength", K::Number, "txtSecHandTailLength", nullptr, 20, nullptr},
        {"Dimension", "MinWidth", K::Number, "txtMinHandWidth", nullptr, 20, nullptr},
        {"Dimension", "MinHeadLength", K::Number, "txtMinHandHeadLength", nullptr, 100, nullptr},
        {"Dimension", "MinTailLength", K::Number, "txtMinHandTailLength", nullptr, 12, nullptr},
        {"Dimension", "HourWidth", K::Number, "txtHourHandWidth", nullptr, 30, nullptr},
        {"Dimension", "HourHeadLength", K::Number, "txtHourHandHeadLength", nullptr, 65, nullptr},
        {"Dimension", "HourTailLength", K::Number, "txtHourHandTailLength", nullptr, 12, nullptr},
        {"Dimension", "ImageLeft", K::Number, "txtBackgroundImageLeft", nullptr, 80, nullptr},
        {"Dimension", "ImageTop", K::Number, "txtBackgroundImageTop", nullptr, 80, nullptr},
        {"Dimension", "ImageWidth", K::Number, "txtBackgroundImageWidth", nullptr, 1050, nullptr},
        {"Dimension", "ImageHeight", K::Number, "txtBackgroundImageHeight", nullptr, 1050, nullptr},
        {"Dimension", "ShadowOffsetX", K::Number, "txtShadowOffsetX", nullptr, 0, nullptr},
        {"Dimension", "ShadowOffsetY", K::Number, "txtShadowOffsetY", nullptr, 10, nullptr},
        {"Dimension", "ShadowThickness", K::Number, "txtShadowThickness", nullptr, 15, nullptr},
        {"Dimension", "MajorTickSize", K::Number, "txtMajorTicksRadius", nullptr, 30, nullptr},
        // The editor shows 15 for a missing minor tick size (the clock itself uses 16).
        {"Dimension", "MinorTickSize", K::Number, "txtMinorTicksRadius", nullptr, 15, nullptr},
        {"Color", "SecColor", K::Color, "pnlSecHandColor", "txtSecHandTransparency", kNone, "4292673536"},
        {"Color", "MinColor", K::Color, "pnlMinHandColor", "txtMinHandTransparenc", kNone, "4279308561"},
        {"Color", "HourColor", K::Color, "pnlHourHandColor", "txtHourHandTransparency", kNone, "4282664004"},
        {"Color", "CaptionColor", K::Color, "pnlCaptionColor", "txtCaptionTransparency", kNone, "4282664004"},
        {"Color", "TickNumberColor", K::Color, "pnlNumbersColor", "txtNumbersTransparency", kNone, "4282664004"},
        {"Color", "MajorTickColor", K::Color, "pnlMajorTicksColor", "txtMajorTicksTransparency", kNone, "4282664004"},
        {"Color", "MinorTickColor", K::Color, "pnlMinorTicksColor", "txtMinorTicksTransparency", kNone, "4282664004"},
        {"Color", "BackgroundColor", K::Color, "pnlBackgroundColor", "txtBackgroundTransparency", kNone, "16777215"},
        {"Color", "ShadowColor", K::Color, "pnlShadowColor", "txtShadowTransparency", kNone, "1711276032"},
        {"Font", "CaptionFontName", K::FontName, "pnlCaptionFont", nullptr, kNone, "Georgia"},
        {"Font", "CaptionFontSize", K::FontSize, "pnlCaptionFont", nullptr, 80, nullptr},
        {"Font", "TickNumbersFontName", K::FontName, "pnlNumbersFont", nullptr, kNone, "Georgia"},
        {"Font", "TickNumbersFontSize", K::FontSize, "pnlNumbersFont", nullptr, 80, nullptr},
        {"Caption", "Language", K::Text, "cbCaptionLanguage", nullptr, kNone, "english"},
        {"Caption", "Format", K::Text, "cbCaptionFormat", nullptr, kNone, "%p"},
        {"Transparency", "Min", K::TransparencyLimit, "txtTransparencyMin", nullptr, 20, nullptr},
        {"Transparency", "Max", K::TransparencyLimit, "txtTransparencyMax", nullptr, 70, nullptr},
    };
    // clang-format on
    return table;
}

int FontPointsFromStored(int stored) {
    return stored / 10;
}

int StoredFromFontPoints(int points) {
    return points * 10;
}

int PositionFromTransparencyLimit(int stored) {
    return 100 - stored;
}

int TransparencyLimitFromPosition(int position) {
    return 100 - position;
}

} // namespace tikloom
