#include "theme_file.h"

#include "canvas.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdlib>

namespace tikloom {

namespace {

const char* const kSectionOrder[] = {"Background", "Options", "Dimension",   "Color",
                                     "Font",       "Caption", "Transparency"};

QString imagePath(const ShippedTheme& theme, const QString& suffix) {
    return QStringLiteral("Themes\\") + theme.name + suffix + QStringLiteral(".png");
}

QString imageFileName(const ShippedTheme& theme, const QString& suffix) {
    return theme.name + suffix + QStringLiteral(".png");
}

// Each image the theme has, as "<name><suffix><density mark>.png".
void writeImages(const ShippedTheme& theme, const QDir& dir, const QString& densityMark) {
    const QList<QPair<QString, QImage>> images = {{"", theme.background},
                                                  {"_mask", theme.mask},
                                                  {"_overlay", theme.overlay},
                                                  {"_hands", theme.hands}};
    for (const auto& [suffix, image] : images) {
        if (!image.isNull()) {
            savePng(image, dir.filePath(imageFileName(theme, suffix + densityMark)));
        }
    }
}

} // namespace

QList<ThemeKey> defaultThemeKeys() {
    return {
        {"Background", "ImageFile", "Themes\\default.png"},
        {"Background", "MaskFile", "Themes\\default_mask.png"},
        {"Background", "OverlayFile", "Themes\\default_overlay.png"},
        {"Options", "HandsImage", "Themes\\default_hands.png"},
        {"Dimension", "CenterX", "600"},
        {"Dimension", "CenterY", "600"},
        {"Dimension", "Radius", "480"},
        {"Dimension", "CaptionX", "0"},
        {"Dimension", "CaptionY", "260"},
        {"Dimension", "NumberRadius", "82"},
        {"Dimension", "MajorTickSize", "30"},
        {"Dimension", "MinorTickSize", "16"},
        {"Dimension", "ImageLeft", "80"},
        {"Dimension", "ImageTop", "80"},
        {"Dimension", "ImageWidth", "1050"},
        {"Dimension", "ImageHeight", "1050"},
        {"Dimension", "SecWidth", "10"},
        {"Dimension", "SecHeadLength", "100"},
        {"Dimension", "SecTailLength", "20"},
        {"Dimension", "MinWidth", "20"},
        {"Dimension", "MinHeadLength", "100"},
        {"Dimension", "MinTailLength", "12"},
        {"Dimension", "HourWidth", "30"},
        {"Dimension", "HourHeadLength", "65"},
        {"Dimension", "HourTailLength", "12"},
        {"Dimension", "ShadowThickness", "15"},
        {"Dimension", "ShadowOffsetX", "0"},
        {"Dimension", "ShadowOffsetY", "10"},
        {"Color", "SecColor", colourValue(0xFFDD0000u)},
        {"Color", "MinColor", colourValue(0xFF111111u)},
        {"Color", "HourColor", colourValue(0xFF444444u)},
        {"Color", "CaptionColor", colourValue(0xFF444444u)},
        {"Color", "TickNumberColor", colourValue(0xFF444444u)},
        {"Color", "MajorTickColor", colourValue(0xFF444444u)},
        {"Color", "MinorTickColor", colourValue(0xFF444444u)},
        {"Color", "BackgroundColor", colourValue(0x00FFFFFFu)},
        {"Color", "ShadowColor", colourValue(0x66000000u)},
        {"Font", "CaptionFontName", "Georgia"},
        {"Font", "TickNumbersFontName", "Georgia"},
        {"Font", "CaptionFontSize", "80"},
        {"Font", "TickNumbersFontSize", "80"},
        {"Options", "ShowSecHand", "1"},
        {"Options", "ShowMajorTicks", "1"},
        {"Options", "ShowMinorTicks", "1"},
        {"Options", "ShowTickNumbers", "1"},
        {"Options", "ShowCaption", "1"},
        {"Options", "KeepImageAspectRatio", "1"},
        {"Options", "ShowSecShadow", "1"},
        {"Options", "ShowMinShadow", "0"},
        {"Options", "ShowHourShadow", "0"},
        {"Options", "ShowMajorTickShadow", "0"},
        {"Options", "ShowMinorTickShadow", "0"},
        {"Options", "UseHandsImage", "0"},
        {"Options", "UseMaskImage", "1"},
        {"Options", "UseOverlayImage", "1"},
        {"Caption", "Language", "english"},
        {"Caption", "Format", "%p"},
        {"Transparency", "Min", "20"},
        {"Transparency", "Max", "70"},
    };
}

QList<ThemeKey> themeKeys(const ShippedTheme& theme) {
    QList<QPair<QString, QString>> values = {
        {"ImageFile", theme.background.isNull() ? QString() : imagePath(theme, "")},
        {"MaskFile", theme.mask.isNull() ? QString() : imagePath(theme, "_mask")},
        {"OverlayFile", theme.overlay.isNull() ? QString() : imagePath(theme, "_overlay")},
        {"HandsImage", theme.hands.isNull() ? QString() : imagePath(theme, "_hands")},
    };
    values += theme.overrides;
    QList<ThemeKey> keys = defaultThemeKeys();
    for (const auto& [key, value] : values) {
        bool known = false;
        for (ThemeKey& entry : keys) {
            if (key == QLatin1String(entry.key)) {
                entry.value = value;
                known = true;
            }
        }
        if (!known) {
            QTextStream(stderr) << "theme " << theme.name << ": unknown key " << key << "\n";
            std::exit(1);
        }
    }
    return keys;
}

QString keyValue(const QList<ThemeKey>& keys, const QString& key) {
    for (const ThemeKey& entry : keys) {
        if (key == QLatin1String(entry.key)) {
            return entry.value;
        }
    }
    return QString();
}

QString colourValue(unsigned argbValue) {
    return QStringLiteral("%1").arg(argbValue, 10, 10, QLatin1Char('0'));
}

void writeShippedTheme(const ShippedTheme& theme, const QString& folder) {
    const QDir dir(folder);
    writeImages(theme, dir, QString());

    QString text;
    const QList<ThemeKey> keys = themeKeys(theme);
    bool firstSection = true;
    for (const char* section : kSectionOrder) {
        text += QStringLiteral("%1[%2]\r\n").arg(firstSection ? "" : "\r\n", section);
        firstSection = false;
        for (const ThemeKey& entry : keys) {
            if (qstrcmp(entry.section, section) == 0) {
                text += QStringLiteral("%1=%2\r\n").arg(entry.key, entry.value);
            }
        }
    }
    QFile file(dir.filePath(theme.name + QStringLiteral(".tkm")));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) != text.toUtf8().size()) {
        QTextStream(stderr) << "cannot write " << file.fileName() << "\n";
        std::exit(1);
    }
}

void writeDoubleDensityImages(const ShippedTheme& theme, const QString& folder) {
    writeImages(theme, QDir(folder), QStringLiteral("@2x"));
}

} // namespace tikloom
