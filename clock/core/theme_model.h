#pragma once
// The in-memory values of the loaded theme. One instance in the clock, filled
// by LoadTheme and read by the face and time renderers and the tick.

#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace tikloom {

struct ThemeModel {
    // [Background] and [Options] HandsImage: paths as stored in the theme file.
    QString ImageFile;
    QString MaskFile;
    QString OverlayFile;
    QString HandsImage;
    // Folders those paths resolve against, in order (see ResolveImagePath).
    QStringList ImageFolders;

    // [Dimension], in pixels (px/10 in the file) unless noted.
    float CenterX = 0;
    float CenterY = 0;
    float Radius = 0;
    float CaptionX = 0;
    float CaptionY = 0;
    float NumberRadius = 0; // fraction of Radius
    float MajorTickSize = 0;
    float MinorTickSize = 0;
    float ImageLeft = 0;
    float ImageTop = 0;
    float ImageWidth = 0;
    float ImageHeight = 0;
    float SecWidth = 0;
    float SecHeadLength = 0; // pixels (% of Radius in the file)
    float SecTailLength = 0;
    float MinWidth = 0;
    float MinHeadLength = 0;
    float MinTailLength = 0;
    float HourWidth = 0;
    float HourHeadLength = 0;
    float HourTailLength = 0;
    float ShadowThickness = 0;
    float ShadowOffsetX = 0;
    float ShadowOffsetY = 0;

    // [Color], 0xAARRGGBB.
    uint32_t SecColor = 0;
    uint32_t MinColor = 0;
    uint32_t HourColor = 0;
    uint32_t CaptionColor = 0;
    uint32_t TickNumberColor = 0;
    uint32_t MajorTickColor = 0;
    uint32_t MinorTickColor = 0;
    uint32_t BackgroundColor = 0;
    uint32_t ShadowColor = 0;

    // [Font]; sizes in points (tenths of a point in the file).
    QString CaptionFontName;
    QString TickNumbersFontName;
    float CaptionFontSize = 0;
    float TickNumbersFontSize = 0;

    // [Options] flags.
    bool ShowSecHand = false;
    bool ShowMajorTicks = false;
    bool ShowMinorTicks = false;
    bool ShowTickNumbers = false;
    bool ShowCaption = false;
    bool KeepImageAspectRatio = false;
    bool ShowSecShadow = false;
    bool ShowMinShadow = false;
    bool ShowHourShadow = false;
    bool ShowMajorTickShadow = false;
    bool ShowMinorTickShadow = false;
    bool UseHandsImage = false;
    bool UseMaskImage = false;
    bool UseOverlayImage = false;

    // [Caption] Format after the "\n" conversion.
    QString Format;

    // [Transparency] Min and Max as window opacities 0..255.
    int MinAlpha = 0;
    int MaxAlpha = 0;

    // The decoded hands image, kept from one load to the next; may be null.
    QImage HandsImageCache;
};

} // namespace tikloom
