#include "tools/theme_show_command.h"

#include "clock/core/caption_locale.h"
#include "clock/core/theme_loader.h"
#include "clock/core/theme_model.h"
#include "tools/tool_layout.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <cstdio>

namespace tikloom {

namespace {

const char kUsage[] = "usage: tikloom-theme show [--program-folder DIR] [THEME_FILE]\n";
constexpr int kUsageError = 2;

struct ShowOptions {
    QString programFolder;
    QString themeFile; // empty: the current theme of programFolder's tikloom.ini
};

// Returns false on bad arguments.
bool ParseShowArguments(const QStringList& args, ShowOptions& options) {
    const QString folderOption = QStringLiteral("--program-folder");
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == folderOption) {
            if (i + 1 >= args.size() || !options.programFolder.isEmpty()) {
                return false;
            }
            options.programFolder = args.at(++i);
        } else if (arg.startsWith(folderOption + QLatin1Char('='))) {
            if (!options.programFolder.isEmpty()) {
                return false;
            }
            options.programFolder = arg.mid(folderOption.size() + 1);
        } else if (arg.startsWith(QLatin1Char('-')) || !options.themeFile.isEmpty()) {
            return false;
        } else {
            options.themeFile = arg;
        }
    }
    return true;
}

// The model's float printed as its shortest decimal: 4.8, not 4.80000019.
QJsonValue FloatValue(float value) {
    return QString::number(value, 'g', 7).toDouble();
}

QJsonValue ColourValue(uint32_t value) {
    return static_cast<double>(value);
}

QJsonObject ModelToJson(const ThemeModel& m) {
    QJsonObject o;
    o[QStringLiteral("ImageFile")] = m.ImageFile;
    o[QStringLiteral("MaskFile")] = m.MaskFile;
    o[QStringLiteral("OverlayFile")] = m.OverlayFile;
    o[QStringLiteral("HandsImage")] = m.HandsImage;

    o[QStringLiteral("CenterX")] = FloatValue(m.CenterX);
    o[QStringLiteral("CenterY")] = FloatValue(m.CenterY);
    o[QStringLiteral("Radius")] = FloatValue(m.Radius);
    o[QStringLiteral("CaptionX")] = FloatValue(m.CaptionX);
    o[QStringLiteral("CaptionY")] = FloatValue(m.CaptionY);
    o[QStringLiteral("NumberRadius")] = FloatValue(m.NumberRadius);
    o[QStringLiteral("MajorTickSize")] = FloatValue(m.MajorTickSize);
    o[QStringLiteral("MinorTickSize")] = FloatValue(m.MinorTickSize);
    o[QStringLiteral("ImageLeft")] = FloatValue(m.ImageLeft);
    o[QStringLiteral("ImageTop")] = FloatValue(m.ImageTop);
    o[QStringLiteral("ImageWidth")] = FloatValue(m.ImageWidth);
    o[QStringLiteral("ImageHeight")] = FloatValue(m.ImageHeight);
    o[QStringLiteral("SecWidth")] = FloatValue(m.SecWidth);
    o[QStringLiteral("SecHeadLength")] = FloatValue(m.SecHeadLength);
    o[QStringLiteral("SecTailLength")] = FloatValue(m.SecTailLength);
    o[QStringLiteral("MinWidth")] = FloatValue(m.MinWidth);
    o[QStringLiteral("MinHeadLength")] = FloatValue(m.MinHeadLength);
    o[QStringLiteral("MinTailLength")] = FloatValue(m.MinTailLength);
    o[QStringLiteral("HourWidth")] = FloatValue(m.HourWidth);
    o[QStringLiteral("HourHeadLength")] = FloatValue(m.HourHeadLength);
    o[QStringLiteral("HourTailLength")] = FloatValue(m.HourTailLength);
    o[QStringLiteral("ShadowThickness")] = FloatValue(m.ShadowThickness);
    o[QStringLiteral("ShadowOffsetX")] = FloatValue(m.ShadowOffsetX);
    o[QStringLiteral("ShadowOffsetY")] = FloatValue(m.ShadowOffsetY);

    o[QStringLiteral("SecColor")] = ColourValue(m.SecColor);
    o[QStringLiteral("MinColor")] = ColourValue(m.MinColor);
    o[QStringLiteral("HourColor")] = ColourValue(m.HourColor);
    o[QStringLiteral("CaptionColor")] = ColourValue(m.CaptionColor);
    o[QStringLiteral("TickNumberColor")] = ColourValue(m.TickNumberColor);
    o[QStringLiteral("MajorTickColor")] = ColourValue(m.MajorTickColor);
    o[QStringLiteral("MinorTickColor")] = ColourValue(m.MinorTickColor);
    o[QStringLiteral("BackgroundColor")] = ColourValue(m.BackgroundColor);
    o[QStringLiteral("ShadowColor")] = ColourValue(m.ShadowColor);

    o[QStringLiteral("CaptionFontName")] = m.CaptionFontName;
    o[QStringLiteral("TickNumbersFontName")] = m.TickNumbersFontName;
    o[QStringLiteral("CaptionFontSize")] = FloatValue(m.CaptionFontSize);
    o[QStringLiteral("TickNumbersFontSize")] = FloatValue(m.TickNumbersFontSize);

    o[QStringLiteral("ShowSecHand")] = m.ShowSecHand;
    o[QStringLiteral("ShowMajorTicks")] = m.ShowMajorTicks;
    o[QStringLiteral("ShowMinorTicks")] = m.ShowMinorTicks;
    o[QStringLiteral("ShowTickNumbers")] = m.ShowTickNumbers;
    o[QStringLiteral("ShowCaption")] = m.ShowCaption;
    o[QStringLiteral("KeepImageAspectRatio")] = m.KeepImageAspectRatio;
    o[QStringLiteral("ShowSecShadow")] = m.ShowSecShadow;
    o[QStringLiteral("ShowMinShadow")] = m.ShowMinShadow;
    o[QStringLiteral("ShowHourShadow")] = m.ShowHourShadow;
    o[QStringLiteral("ShowMajorTickShadow")] = m.ShowMajorTickShadow;
    o[QStringLiteral("ShowMinorTickShadow")] = m.ShowMinorTickShadow;
    o[QStringLiteral("UseHandsImage")] = m.UseHandsImage;
    o[QStringLiteral("UseMaskImage")] = m.UseMaskImage;
    o[QStringLiteral("UseOverlayImage")] = m.UseOverlayImage;

    o[QStringLiteral("Format")] = m.Format;
    o[QStringLiteral("MinAlpha")] = m.MinAlpha;
    o[QStringLiteral("MaxAlpha")] = m.MaxAlpha;

    const QSize handsSize = m.HandsImageCache.isNull() ? QSize(0, 0) : m.HandsImageCache.size();
    o[QStringLiteral("HandsImageSize")] = QJsonArray{handsSize.width(), handsSize.height()};
    const QString locale = CaptionLocaleName();
    o[QStringLiteral("Locale")] = locale.isNull() ? QJsonValue(QJsonValue::Null) : locale;
    return o;
}

} // namespace

int RunShowCommand(const QStringList& args) {
    ShowOptions options;
    if (!ParseShowArguments(args, options)) {
        std::fputs(kUsage, stderr);
        return kUsageError;
    }
    ProgramLayout layout;
    if (!ToolLayout(options.programFolder, layout)) {
        std::fprintf(stderr, "tikloom-theme show: no such folder: %s\n%s",
                     qPrintable(options.programFolder), kUsage);
        return kUsageError;
    }

    ThemeModel model;
    if (options.themeFile.isEmpty()) {
        LoadThemeModel(layout, model);
    } else {
        // The clock shows the defaults for a missing theme, and so does this
        // tool, but a theme author wants to know why.
        if (!QFileInfo(options.themeFile).isFile()) {
            std::fprintf(stderr, "tikloom-theme show: %s not found, showing the defaults\n",
                         qPrintable(options.themeFile));
        }
        LoadThemeModelFromFile(layout, options.themeFile, model);
    }
    const QByteArray json = QJsonDocument(ModelToJson(model)).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    return 0;
}

} // namespace tikloom
