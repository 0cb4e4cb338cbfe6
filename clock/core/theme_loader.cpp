#include "clock/core/theme_loader.h"

#include "clock/core/caption_locale.h"
#include "clock/core/image_decoding.h"
#include "clock/core/settings.h"
#include "clock/core/theme_bounds.h"
#include "common/density_image.h"
#include "common/profile_file.h"

#include <algorithm>
#include <cmath>

namespace tikloom {

namespace {

const QString kDefaultThemeFileName = QStringLiteral("default.tkm");

constexpr float kTenths = 10.0f;
constexpr float kPercent = 100.0f;
constexpr double kPercentToAlpha = 2.55;
constexpr int kMaxAlpha = 255;

// Parses the clock's integer rule from text: optional sign, decimal digits up
// to the first other character, modulo 2^32, then taken as signed.
int32_t ClockIntegerFromText(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace()) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    uint32_t value = 0;
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9');
         ++i) {
        value = value * 10u + static_cast<uint32_t>(text.at(i).unicode() - u'0');
    }
    return static_cast<int32_t>(negative ? 0u - value : value);
}

// Reads one theme file with the clock's rules.
class ThemeFileReader {
public:
    explicit ThemeFileReader(QString file) : file_(std::move(file)) {}

    QString Text(const QString& section, const QString& key, const QString& def,
                 int capacity = kPathCapacity) const {
        return ReadProfileString(file_, section, key, def, capacity);
    }

    // Numbers the editor writes as unsigned are taken as signed 32-bit values,
    // so a hand-written "-5" means -5 and not four billion.
    int32_t Integer(const QString& section, const QString& key, int32_t def) const {
        return static_cast<int32_t>(
            ReadProfileIntClock(file_, section, key, static_cast<uint32_t>(def)));
    }

    // Read as text, then converted: present but empty gives 0.
    int32_t IntegerFromText(const QString& section, const QString& key, const QString& def) const {
        return ClockIntegerFromText(Text(section, key, def, kClockTextCapacity));
    }

    uint32_t Colour(const QString& key, uint32_t def) const {
        return ReadProfileIntClock(file_, QStringLiteral("Color"), key, def);
    }

    bool Flag(const QString& key, bool def) const {
        return ReadProfileIntClock(file_, QStringLiteral("Options"), key, def ? 1u : 0u) != 0;
    }

private:
    QString file_;
};

float Tenths(int32_t value) {
    return static_cast<float>(value) / kTenths;
}

float PercentOf(int32_t value, float whole) {
    return static_cast<float>(value) / kPercent * whole;
}

void ReadImagePaths(const ThemeFileReader& theme, ThemeModel& model) {
    const QString background = QStringLiteral("Background");
    model.ImageFile =
        theme.Text(background, QStringLiteral("ImageFile"), QStringLiteral("Themes\\default.png"));
    model.MaskFile = theme.Text(background, QStringLiteral("MaskFile"),
                                QStringLiteral("Themes\\default_mask.png"));
    model.OverlayFile = theme.Text(background, QStringLiteral("OverlayFile"),
                                   QStringLiteral("Themes\\default_overlay.png"));
    model.HandsImage = theme.Text(QStringLiteral("Options"), QStringLiteral("HandsImage"),
                                  QStringLiteral("Themes\\default_hands.png"));
}

void DecodeHandsImage(double ratio, ThemeModel& model) {
    model.HandsImageCache = QImage();
    if (model.HandsImage.isEmpty()) {
        return;
    }
    QImage image = DecodeImageFile(
        DensityImagePath(ResolveImagePath(model.ImageFolders, model.HandsImage), ratio));
    // Drawn once a second under a rotation: keep it in the drawing format.
    if (!image.isNull()) {
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    }
    model.HandsImageCache = image;
}

// The 24 Dimension keys, in file order; Radius comes before the hand lengths
// that are percentages of it.
void ReadDimensions(const ThemeFileReader& theme, ThemeModel& model) {
    const QString dimension = QStringLiteral("Dimension");
    auto tenths = [&](const char* key, int32_t def) {
        return Tenths(theme.Integer(dimension, QLatin1String(key), def));
    };
    auto tenthsFromText = [&](const char* key, const char* def) {
        return Tenths(theme.IntegerFromText(dimension, QLatin1String(key), QLatin1String(def)));
    };
    auto ofRadius = [&](const char* key, int32_t def) {
        return PercentOf(theme.Integer(dimension, QLatin1String(key), def), model.Radius);
    };

    model.CenterX = tenths("CenterX", 600);
    model.CenterY = tenths("CenterY", 600);
    model.Radius = tenths("Radius", 480);
    model.CaptionX = tenthsFromText("CaptionX", "0");
    model.CaptionY = tenthsFromText("CaptionY", "260");
    model.NumberRadius =
        static_cast<float>(theme.Integer(dimension, QStringLiteral("NumberRadius"), 82)) / kPercent;
    model.MajorTickSize = tenths("MajorTickSize", 30);
    model.MinorTickSize = tenths("MinorTickSize", 16);
    model.ImageLeft = tenths("ImageLeft", 80);
    model.ImageTop = tenths("ImageTop", 80);
    model.ImageWidth = tenths("ImageWidth", 1050);
    model.ImageHeight = tenths("ImageHeight", 1050);
    model.SecWidth = tenths("SecWidth", 10);
    model.SecHeadLength = ofRadius("SecHeadLength", 100);
    model.SecTailLength = ofRadius("SecTailLength", 20);
    model.MinWidth = tenths("MinWidth", 20);
    model.MinHeadLength = ofRadius("MinHeadLength", 100);
    model.MinTailLength = ofRadius("MinTailLength", 12);
    model.HourWidth = tenths("HourWidth", 30);
    model.HourHeadLength = ofRadius("HourHeadLength", 65);
    model.HourTailLength = ofRadius("HourTailLength", 12);
    model.ShadowThickness = tenths("ShadowThickness", 15);
    model.ShadowOffsetX = tenthsFromText("ShadowOffsetX", "0");
    model.ShadowOffsetY = tenthsFromText("ShadowOffsetY", "10");
}

void ReadColoursAndFonts(const ThemeFileReader& theme, ThemeModel& model) {
    model.SecColor = theme.Colour(QStringLiteral("SecColor"), 0xFFDD0000u);
    model.MinColor = theme.Colour(QStringLiteral("MinColor"), 0xFF111111u);
    model.HourColor = theme.Colour(QStringLiteral("HourColor"), 0xFF444444u);
    model.CaptionColor = theme.Colour(QStringLiteral("CaptionColor"), 0xFF444444u);
    model.TickNumberColor = theme.Colour(QStringLiteral("TickNumberColor"), 0xFF444444u);
    model.MajorTickColor = theme.Colour(QStringLiteral("MajorTickColor"), 0xFF444444u);
    model.MinorTickColor = theme.Colour(QStringLiteral("MinorTickColor"), 0xFF444444u);
    model.BackgroundColor = theme.Colour(QStringLiteral("BackgroundColor"), 0x00FFFFFFu);
    model.ShadowColor = theme.Colour(QStringLiteral("ShadowColor"), 0x66000000u);

    const QString font = QStringLiteral("Font");
    const QString defaultFace = QStringLiteral("Georgia");
    model.CaptionFontName =
        theme.Text(font, QStringLiteral("CaptionFontName"), defaultFace, kFaceNameCapacity);
    model.TickNumbersFontName =
        theme.Text(font, QStringLiteral("TickNumbersFontName"), defaultFace, kFaceNameCapacity);
    model.CaptionFontSize = Tenths(theme.Integer(font, QStringLiteral("CaptionFontSize"), 80));
    model.TickNumbersFontSize =
        Tenths(theme.Integer(font, QStringLiteral("TickNumbersFontSize"), 80));
}

void ReadFlags(const ThemeFileReader& theme, ThemeModel& model) {
    model.ShowSecHand = theme.Flag(QStringLiteral("ShowSecHand"), true);
    model.ShowMajorTicks = theme.Flag(QStringLiteral("ShowMajorTicks"), true);
    model.ShowMinorTicks = theme.Flag(QStringLiteral("ShowMinorTicks"), true);
    model.ShowTickNumbers = theme.Flag(QStringLiteral("ShowTickNumbers"), true);
    model.ShowCaption = theme.Flag(QStringLiteral("ShowCaption"), true);
    model.KeepImageAspectRatio = theme.Flag(QStringLiteral("KeepImageAspectRatio"), true);
    model.ShowSecShadow = theme.Flag(QStringLiteral("ShowSecShadow"), true);
    model.ShowMinShadow = theme.Flag(QStringLiteral("ShowMinShadow"), false);
    model.ShowHourShadow = theme.Flag(QStringLiteral("ShowHourShadow"), false);
    model.ShowMajorTickShadow = theme.Flag(QStringLiteral("ShowMajorTickShadow"), false);
    model.ShowMinorTickShadow = theme.Flag(QStringLiteral("ShowMinorTickShadow"), false);
    model.UseHandsImage = theme.Flag(QStringLiteral("UseHandsImage"), false);
    model.UseMaskImage = theme.Flag(QStringLiteral("UseMaskImage"), true);
    model.UseOverlayImage = theme.Flag(QStringLiteral("UseOverlayImage"), true);
}

void ReadCaption(const ThemeFileReader& theme, ThemeModel& model) {
    const QString caption = QStringLiteral("Caption");
    // An unknown name keeps the locale in force; nothing is reported.
    ApplyCaptionLanguage(
        theme.Text(caption, QStringLiteral("Language"), QStringLiteral("english")));
    model.Format =
        ConvertCaptionFormat(theme.Text(caption, QStringLiteral("Format"), QStringLiteral("%p")));
}

void ReadTransparency(const ThemeFileReader& theme, ThemeModel& model) {
    const QString transparency = QStringLiteral("Transparency");
    model.MinAlpha = OpacityPercentToAlpha(theme.Integer(transparency, QStringLiteral("Min"), 20));
    model.MaxAlpha = OpacityPercentToAlpha(theme.Integer(transparency, QStringLiteral("Max"), 70));
}

} // namespace

QString CurrentThemeFilePath(const ProgramLayout& layout) {
    const QString fileName =
        ReadProfileString(SettingsFilePath(layout.SettingsFolder), QStringLiteral("Theme"),
                          QStringLiteral("FileName"), kDefaultThemeFileName, kPathCapacity);
    return FindThemeFile(layout, fileName);
}

void LoadThemeModel(const ProgramLayout& layout, ThemeModel& model, double ratio) {
    LoadThemeModelFromFile(layout, CurrentThemeFilePath(layout), model, ratio);
}

void LoadThemeModelFromFile(const ProgramLayout& layout, const QString& themeFile,
                            ThemeModel& model, double ratio) {
    const ThemeFileReader theme(themeFile);
    ReadImagePaths(theme, model);
    model.ImageFolders = ImageFoldersFor(layout, themeFile);
    DecodeHandsImage(ratio, model);
    ReadDimensions(theme, model);
    ReadColoursAndFonts(theme, model);
    ReadFlags(theme, model);
    ReadCaption(theme, model);
    ReadTransparency(theme, model);
    BoundThemeGeometry(model);
}

QString ConvertCaptionFormat(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\\') && i + 1 < text.size() &&
            text.at(i + 1) == QLatin1Char('n')) {
            result += QLatin1Char('\n');
            ++i;
        } else {
            result += text.at(i);
        }
    }
    return result;
}

int OpacityPercentToAlpha(int32_t percent) {
    const double alpha = std::trunc(static_cast<double>(percent) * kPercentToAlpha);
    return static_cast<int>(std::clamp(alpha, 0.0, static_cast<double>(kMaxAlpha)));
}

} // namespace tikloom
