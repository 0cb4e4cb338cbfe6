#include "customizer/helpers/caption_tables.h"

#include "common/profile_file.h"

namespace tikloom {

namespace {

constexpr char kMainTab[] = "MainTab";
constexpr char kThemeSheet[] = "ThemeSheet";
constexpr char kOptionsSheet[] = "OptionsSheet";

std::vector<CaptionRow> BuildCaptionRows() {
    return {
        {kMainTab, "Theme", "Theme", "", {"tabTheme"}},
        {kMainTab, "Options", "Options", "", {"tabOptions"}},

        {kThemeSheet, "ThemeList", "Theme &List", kColonSuffix, {"lblThemeListLabel"}},
        {kThemeSheet, "OpenThemeFolder", "Open Folder...", "", {"cmdOpenThemeFolder"}},
        {kThemeSheet, "Properties", "Properties of Current Theme", "", {"grpThemeSettings"}},
        {kThemeSheet, "ThemeName", "Theme &Name", kColonSuffix, {"lblThemeName"}},
        {kThemeSheet, "Save", "&Save", "", {"cmdSaveTheme"}},
        {kThemeSheet, "Delete", "&Delete", "", {"cmdDeleteTheme"}},
        {kThemeSheet, "Background", "&Background", "", {"tabThemeBackground"}},
        {kThemeSheet, "Hands", "&Hands", "", {"tabThemeHands"}},
        {kThemeSheet, "Others", "&Others", "", {"tabThemeOthers"}},
        {kThemeSheet, "BackgroundImage", "Background &Image", "", {"grpBackgroundImage"}},
        {kThemeSheet, "MaskImage", "&Mask Image", "", {"grpMaskImage"}},
        {kThemeSheet, "OverlayImage", "O&verlay Image", "", {"grpOverlayImage"}},
        {kThemeSheet, "KeepAspectRatio", "Keep Aspect Ratio", "", {"chkBackgroundKeepAspectRatio"}},
        {kThemeSheet, "UseMaskImage", "Use Mask Image", "", {"chkUseMaskImage"}},
        {kThemeSheet, "UseOverlayImage", "Use Overlay Image", "", {"chkUseOverlayImage"}},
        {kThemeSheet,
         "Open",
         "Open",
         kEllipsisSuffix,
         {"cmdBackgroundImageOpen", "cmdMaskImageOpen", "cmdOverlayImageOpen",
          "cmdHandsImageOpen"}},
        {kThemeSheet,
         "Left",
         "Left",
         kColonSuffix,
         {"lblBackgroundImageLeft", "lblClockCenterX", "lblCaptionLeft", "lblShadowOffsetX"}},
        {kThemeSheet,
         "Top",
         "Top",
         kColonSuffix,
         {"lblBackgroundImageTop", "lblClockCenterY", "lblCaptionTop", "lblShadowOffsetY"}},
        {kThemeSheet,
         "Width",
         "Width",
         kColonSuffix,
         {"lblBackgroundImageWidth", "lblHourHandWidth", "lblMinHandWidth", "lblSecHandWidth",
          "lblShadowThickness"}},
        {kThemeSheet, "Height", "Height", kColonSuffix, {"lblBackgroundImageHeight"}},
        {kThemeSheet,
         "Radius",
         "Radius",
         kColonSuffix,
         {"lblClockRadius", "lblMajorTicksRadius", "lblMinorTicksRadius"}},
        {kThemeSheet, "Radius", "Radius", kPercentSuffix, {"lblNumbersRadius"}},
        {kThemeSheet,
         "Color",
         "Color",
         kColonSuffix,
         {"lblBackgroundColor", "lblHourHandColor", "lblMinHandColor", "lblSecHandColor",
          "lblCaptionColor", "lblNumbersColor", "lblMajorTicksColor", "lblMinorTicksColor",
          "lblShadowColor"}},
        {kThemeSheet, "Font", "Font", kColonSuffix, {"lblCaptionFont", "lblNumbersFont"}},
        {kThemeSheet,
         "ColorTransparency",
         "Transparency",
         kPercentSuffix,
         {"lblBackgroundTransparency", "lblCaptionTransparency", "lblMinHandTransparency",
          "lblSecHandTransparency", "lblHourHandTransparency", "lblNumbersTransparency",
          "lblMinorTicksTransparency", "lblMajorTicksTransparency", "lblShadowTransparency"}},
        {kThemeSheet, "Transparency", "T&ransparency", "", {"grpTransparency"}},
        {kThemeSheet, "Min", "Minimum", kPercentSuffix, {"lblTransparencyMin"}},
        {kThemeSheet, "Max", "Maximum", kPercentSuffix, {"lblTransparencyMax"}},
        {kThemeSheet,
         "ShowShadow",
         "Show Shadow",
         "",
         {"chkShowHourShadow", "chkShowMinShadow", "chkShowSecShadow", "chkShowMajorTickShadow",
          "chkShowMinorTickShadow"}},
        {kThemeSheet, "ClockPlacement", "Clock &Placement", "", {"grpClockPlacement"}},
        {kThemeSheet, "HandsType", "&Type of Hands", "", {"grpHandsType"}},
        {kThemeSheet, "TypeLines", "Lines", "", {"grpHandsTypeLines"}},
        {kThemeSheet, "TypeImage", "Image", "", {"grpHandsTypeImage"}},
        {kThemeSheet, "HandsImage", "Hands &Image", "", {"grpHandsImage"}},
        {kThemeSheet, "HourHand", "Ho&ur Hand", "", {"grpHourHand"}},
        {kThemeSheet, "MinHand", "&Minute Hand", "", {"grpMinHand"}},
        {kThemeSheet, "SecHand", "Se&cond Hand", "", {"grpSecHand"}},
        {kThemeSheet, "DisplaySecHand", "Displ&ay Second Hand", "", {"chkDisplaySecondHand"}},
        {kThemeSheet,
         "HeadLength",
         "Head Length",
         kPercentSuffix,
         {"lblHourHandHeadLength", "lblMinHandHeadLength", "lblSecHandHeadLength"}},
        {kThemeSheet,
         "TailLength",
         "Tail Length",
         kPercentSuffix,
         {"lblHourHandTailLength", "lblMinHandTailLength", "lblSecHandTailLength"}},
        {kThemeSheet, "Caption", "&Caption", "", {"grpCaption"}},
        {kThemeSheet, "Ticks", "&Ticks", "", {"grpTicks"}},
        {kThemeSheet, "Numbers", "N&umbers", "", {"grpNumbers"}},
        {kThemeSheet, "Shadow", "Shado&w", "", {"grpShadow"}},
        {kThemeSheet, "Display", "Display", "", {"chkShowCaption", "chkShowNumbers"}},
        {kThemeSheet, "ShowMajorTicks", "Show Major Ticks", "", {"chkShowMajorTicks"}},
        {kThemeSheet, "ShowMinorTicks", "Show Minor Ticks", "", {"chkShowMinorTicks"}},
        {kThemeSheet, "CaptionLanguage", "Language", kSpacedColonSuffix, {"lblCaptionLanguage"}},
        {kThemeSheet, "CaptionFormat", "Format", kSpacedColonSuffix, {"lblCaptionFormat"}},

        {kOptionsSheet, "General", "&General", "", {"grpGeneral"}},
        {kOptionsSheet, "Language", "&Language", "", {"grpLanguage"}},
        {kOptionsSheet,
         "ShortcutKeys",
         "Shortcut &Keys (Requires Restarting)",
         "",
         {"grpShortcutKeys"}},
        {kOptionsSheet, "MinimizeKey", "Minimize:", "", {"lblMinimizeKey"}},
        {kOptionsSheet,
         "Startup",
         "Automatically &run Tikloom when you log in",
         "",
         {"chkStartup"}},
    };
}

} // namespace

const std::vector<CaptionRow>& CaptionRows() {
    static const std::vector<CaptionRow> rows = BuildCaptionRows();
    return rows;
}

QString ReadCaption(const QString& languageFile, const CaptionRow& row, int codePage) {
    const QString value = ReadProfileString(
        languageFile, QString::fromLatin1(row.section), QString::fromLatin1(row.key),
        QString::fromLatin1(row.englishDefault), kCustomizerTextCapacity, codePage);
    return value + QString::fromLatin1(row.suffix);
}

} // namespace tikloom
