// Loading of a theme into the ThemeModel: defaults, conversions, the hands
// image and the caption's locale.

#include "clock/core/caption_locale.h"
#include "clock/core/image_decoding.h"
#include "clock/core/settings.h"
#include "clock/core/theme_loader.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tikloom;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// A program folder whose tikloom.ini names Themes/Test.tkm with the given text.
struct ProgramFolderWithTheme {
    QTemporaryDir dir;
    QString folder;

    explicit ProgramFolderWithTheme(const QByteArray& themeText) {
        folder = dir.path() + QLatin1Char('/');
        WriteFile(SettingsFilePath(folder), "[Theme]\nFileName=Test.tkm\n");
        WriteFile(folder + QStringLiteral("Themes/Test.tkm"), themeText);
    }

    ThemeModel Load() const {
        ThemeModel model;
        LoadThemeModel(folder, model);
        return model;
    }
};

QByteArray PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

uint32_t Crc32(const QByteArray& data) {
    uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : data) {
        crc ^= static_cast<uint8_t>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void PutBigEndian(QByteArray& bytes, int offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<char>((value >> (24 - 8 * i)) & 0xFF);
    }
}

// A small valid PNG whose header claims width x height (CRC kept valid).
QByteArray PngClaimingSize(uint32_t width, uint32_t height) {
    QImage small(4, 4, QImage::Format_ARGB32);
    small.fill(Qt::red);
    QByteArray png = PngBytes(small);
    // Signature (8), IHDR length (4), "IHDR" (4), width, height, ...
    const int ihdrType = 12;
    PutBigEndian(png, 16, width);
    PutBigEndian(png, 20, height);
    const int ihdrDataLength = 13;
    PutBigEndian(png, ihdrType + 4 + ihdrDataLength, Crc32(png.mid(ihdrType, 4 + ihdrDataLength)));
    return png;
}

void CompareDefaults(const ThemeModel& m) {
    QCOMPARE(m.ImageFile, QStringLiteral("Themes\\default.png"));
    QCOMPARE(m.MaskFile, QStringLiteral("Themes\\default_mask.png"));
    QCOMPARE(m.OverlayFile, QStringLiteral("Themes\\default_overlay.png"));
    QCOMPARE(m.HandsImage, QStringLiteral("Themes\\default_hands.png"));
    QCOMPARE(m.CenterX, 60.0f);
    QCOMPARE(m.CenterY, 60.0f);
    QCOMPARE(m.Radius, 48.0f);
    QCOMPARE(m.CaptionX, 0.0f);
    QCOMPARE(m.CaptionY, 26.0f);
    QCOMPARE(m.NumberRadius, 0.82f);
    QCOMPARE(m.MajorTickSize, 3.0f);
    QCOMPARE(m.MinorTickSize, 1.6f);
    QCOMPARE(m.ImageLeft, 8.0f);
    QCOMPARE(m.ImageTop, 8.0f);
    QCOMPARE(m.ImageWidth, 105.0f);
    QCOMPARE(m.ImageHeight, 105.0f);
    QCOMPARE(m.SecWidth, 1.0f);
    QCOMPARE(m.SecHeadLength, 48.0f);
    QCOMPARE(m.SecTailLength, 9.6f);
    QCOMPARE(m.MinWidth, 2.0f);
    QCOMPARE(m.MinHeadLength, 48.0f);
    QCOMPARE(m.MinTailLength, 5.76f);
    QCOMPARE(m.HourWidth, 3.0f);
    QCOMPARE(m.HourHeadLength, 31.2f);
    QCOMPARE(m.HourTailLength, 5.76f);
    QCOMPARE(m.ShadowThickness, 1.5f);
    QCOMPARE(m.ShadowOffsetX, 0.0f);
    QCOMPARE(m.ShadowOffsetY, 1.0f);
    QCOMPARE(m.SecColor, 0xFFDD0000u);
    QCOMPARE(m.MinColor, 0xFF111111u);
    QCOMPARE(m.HourColor, 0xFF444444u);
    QCOMPARE(m.CaptionColor, 0xFF444444u);
    QCOMPARE(m.TickNumberColor, 0xFF444444u);
    QCOMPARE(m.MajorTickColor, 0xFF444444u);
    QCOMPARE(m.MinorTickColor, 0xFF444444u);
    QCOMPARE(m.BackgroundColor, 0x00FFFFFFu);
    QCOMPARE(m.ShadowColor, 0x66000000u);
    QCOMPARE(m.CaptionFontName, QStringLiteral("Georgia"));
    QCOMPARE(m.TickNumbersFontName, QStringLiteral("Georgia"));
    QCOMPARE(m.CaptionFontSize, 8.0f);
    QCOMPARE(m.TickNumbersFontSize, 8.0f);
    QCOMPARE(m.ShowSecHand, true);
    QCOMPARE(m.ShowMajorTicks, true);
    QCOMPARE(m.ShowMinorTicks, true);
    QCOMPARE(m.ShowTickNumbers, true);
    QCOMPARE(m.ShowCaption, true);
    QCOMPARE(m.KeepImageAspectRatio, true);
    QCOMPARE(m.ShowSecShadow, true);
    QCOMPARE(m.ShowMinShadow, false);
    QCOMPARE(m.ShowHourShadow, false);
    QCOMPARE(m.ShowMajorTickShadow, false);
    QCOMPARE(m.ShowMinorTickShadow, false);
    QCOMPARE(m.UseHandsImage, false);
    QCOMPARE(m.UseMaskImage, true);
    QCOMPARE(m.UseOverlayImage, true);
    QCOMPARE(m.Format, QStringLiteral("%p"));
    QCOMPARE(m.MinAlpha, 51);
    QCOMPARE(m.MaxAlpha, 178);
}

} // namespace

class TestThemeLoader : public QObject {
    Q_OBJECT

private slots:
    void themePathFromSettings() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        QCOMPARE(CurrentThemeFilePath(PortableLayout(folder)),
                 folder + QStringLiteral("Themes/default.tkm"));
        WriteFile(SettingsFilePath(folder), "[Theme]\nFileName=Sub\\Blue.tkm\n");
        QCOMPARE(CurrentThemeFilePath(PortableLayout(folder)),
                 folder + QStringLiteral("Themes/Sub/Blue.tkm"));
    }

    void defaultThemeEntryGivesEveryDefault() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        WriteFile(SettingsFilePath(folder), "[Theme]\nFileName=.tkm\n");
        // A theme that would change everything, but under another name.
        WriteFile(folder + QStringLiteral("Themes/default.tkm"),
                  "[Dimension]\nRadius=100\n[Options]\nShowSecHand=0\n");
        ThemeModel model;
        model.HandsImageCache = QImage(3, 3, QImage::Format_ARGB32);
        LoadThemeModel(folder, model);
        CompareDefaults(model);
        QVERIFY(model.HandsImageCache.isNull());
    }

    void emptyFileGivesEveryDefault() {
        const ProgramFolderWithTheme theme("");
        CompareDefaults(theme.Load());
    }

    void coloursAreUnsigned32Bit() {
        const ProgramFolderWithTheme theme("[Color]\nBackgroundColor=0016777215\n"
                                           "SecColor=4292673536\nMinColor=4294967296\n"
                                           "HourColor=-1\n");
        const ThemeModel model = theme.Load();
        QCOMPARE(model.BackgroundColor, 0x00FFFFFFu);
        QCOMPARE(model.SecColor, 0xFFDD0000u);
        QCOMPARE(model.MinColor, 0u);
        QCOMPARE(model.HourColor, 0xFFFFFFFFu);
    }

    void formatConversion() {
        QCOMPARE(ConvertCaptionFormat(QStringLiteral("%x\\n%X")), QStringLiteral("%x\n%X"));
        QCOMPARE(ConvertCaptionFormat(QStringLiteral("%x\\N%X")), QStringLiteral("%x\\N%X"));
        QCOMPARE(ConvertCaptionFormat(QStringLiteral("a\\\\nb")), QStringLiteral("a\\\nb"));
        QCOMPARE(ConvertCaptionFormat(QStringLiteral("\\n\\n")), QStringLiteral("\n\n"));
        QCOMPARE(ConvertCaptionFormat(QStringLiteral("end\\")), QStringLiteral("end\\"));
        QCOMPARE(ConvertCaptionFormat(QString()), QString());

        const ProgramFolderWithTheme theme("[Caption]\nFormat=%x\\n%X\n");
        QCOMPARE(theme.Load().Format, QStringLiteral("%x\n%X"));
        const ProgramFolderWithTheme empty("[Caption]\nFormat=\n");
        QCOMPARE(empty.Load().Format, QString());
    }

    void opacityToAlpha() {
        QCOMPARE(OpacityPercentToAlpha(0), 0);
        QCOMPARE(OpacityPercentToAlpha(20), 51);
        QCOMPARE(OpacityPercentToAlpha(70), 178);
        QCOMPARE(OpacityPercentToAlpha(100), 254);
        for (int percent = 0; percent < 100; ++percent) {
            QCOMPARE(OpacityPercentToAlpha(percent), percent * 255 / 100);
        }
        // Hand-edited values beyond the editor's range stay a valid opacity.
        QCOMPARE(OpacityPercentToAlpha(150), 255);
        QCOMPARE(OpacityPercentToAlpha(-5), 0);
        QCOMPARE(OpacityPercentToAlpha(INT32_MAX), 255);

        const ProgramFolderWithTheme theme("[Transparency]\nMin=0\nMax=100\n");
        const ThemeModel model = theme.Load();
        QCOMPARE(model.MinAlpha, 0);
        QCOMPARE(model.MaxAlpha, 254);
    }

    void radiusScalesOnlyHandLengths() {
        const ProgramFolderWithTheme theme("[Dimension]\nRadius=960\n");
        const ThemeModel model = theme.Load();
        QCOMPARE(model.Radius, 96.0f);
        QCOMPARE(model.SecHeadLength, 96.0f);
        QCOMPARE(model.SecTailLength, 19.2f);
        QCOMPARE(model.MinHeadLength, 96.0f);
        QCOMPARE(model.MinTailLength, 11.52f);
        QCOMPARE(model.HourHeadLength, 62.4f);
        QCOMPARE(model.HourTailLength, 11.52f);
        QCOMPARE(model.NumberRadius, 0.82f);
        QCOMPARE(model.SecWidth, 1.0f);
        QCOMPARE(model.MinWidth, 2.0f);
        QCOMPARE(model.HourWidth, 3.0f);
        QCOMPARE(model.MajorTickSize, 3.0f);
        QCOMPARE(model.MinorTickSize, 1.6f);
    }

    void dimensionValues() {
        const ProgramFolderWithTheme theme(
            "[Dimension]\nCenterX=-15\nCaptionX=\nShadowOffsetX=-25\nShadowOffsetY=7abc\n"
            "MajorTickSize=48\nSecHeadLength=50\nNumberRadius=0150\nRadius=abc\n");
        const ThemeModel model = theme.Load();
        QCOMPARE(model.CenterX, -1.5f);
        QCOMPARE(model.CaptionX, 0.0f);  // present but empty
        QCOMPARE(model.CaptionY, 26.0f); // absent
        QCOMPARE(model.ShadowOffsetX, -2.5f);
        QCOMPARE(model.ShadowOffsetY, 0.7f);
        QCOMPARE(model.MajorTickSize, 4.8f);
        QCOMPARE(model.NumberRadius, 1.5f);
        QCOMPARE(model.Radius, 0.0f);
        QCOMPARE(model.SecHeadLength, 0.0f);
        QCOMPARE(model.MinorTickSize, 1.6f);
    }

    void fontsAndFlags() {
        const QByteArray longName(60, 'F');
        const ProgramFolderWithTheme theme("[Font]\nCaptionFontName=" + longName +
                                           "\nTickNumbersFontName=DejaVu Sans\n"
                                           "CaptionFontSize=105\n"
                                           "[Options]\nShowSecHand=0\nShowMinShadow=2\n"
                                           "UseHandsImage=-1\nUseMaskImage=0\n");
        const ThemeModel model = theme.Load();
        QCOMPARE(model.CaptionFontName, QString(49, QLatin1Char('F')));
        QCOMPARE(model.TickNumbersFontName, QStringLiteral("DejaVu Sans"));
        QCOMPARE(model.CaptionFontSize, 10.5f);
        QCOMPARE(model.TickNumbersFontSize, 8.0f);
        QCOMPARE(model.ShowSecHand, false);
        QCOMPARE(model.ShowMinShadow, true);
        QCOMPARE(model.UseHandsImage, true);
        QCOMPARE(model.UseMaskImage, false);
        QCOMPARE(model.UseOverlayImage, true);
    }

    void handsImageDecoding() {
        ProgramFolderWithTheme theme("[Options]\nHandsImage=Themes\\hands.png\n");
        QImage hands(150, 90, QImage::Format_ARGB32);
        hands.fill(Qt::blue);
        WriteFile(theme.folder + QStringLiteral("Themes/hands.png"), PngBytes(hands));
        ThemeModel model = theme.Load();
        QCOMPARE(model.HandsImage, QStringLiteral("Themes\\hands.png"));
        QCOMPARE(model.HandsImageCache.size(), QSize(150, 90));
        QCOMPARE(model.HandsImageCache.pixel(10, 10), QColor(Qt::blue).rgba());

        // Missing: the previous image goes, nothing replaces it.
        QFile::remove(theme.folder + QStringLiteral("Themes/hands.png"));
        LoadThemeModel(theme.folder, model);
        QVERIFY(model.HandsImageCache.isNull());

        // Corrupt and empty files are absent too.
        WriteFile(theme.folder + QStringLiteral("Themes/hands.png"),
                  PngBytes(hands).left(60) + QByteArray(200, 'x'));
        LoadThemeModel(theme.folder, model);
        QVERIFY(model.HandsImageCache.isNull());
        WriteFile(theme.folder + QStringLiteral("Themes/hands.png"), QByteArray());
        LoadThemeModel(theme.folder, model);
        QVERIFY(model.HandsImageCache.isNull());
    }

    void absoluteAndEmptyHandsPaths() {
        QTemporaryDir elsewhere;
        QImage hands(30, 30, QImage::Format_ARGB32);
        hands.fill(Qt::green);
        const QString absolute = elsewhere.filePath(QStringLiteral("h.png"));
        WriteFile(absolute, PngBytes(hands));
        const ProgramFolderWithTheme theme("[Options]\nHandsImage=" + absolute.toUtf8() + "\n");
        QCOMPARE(theme.Load().HandsImageCache.size(), QSize(30, 30));

        const ProgramFolderWithTheme none("[Options]\nHandsImage=\n");
        const ThemeModel model = none.Load();
        QCOMPARE(model.HandsImage, QString());
        QVERIFY(model.HandsImageCache.isNull());
    }

    void decodeBombIsAbsent() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bomb.png"));
        WriteFile(path, PngClaimingSize(100000, 100000));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(DecodeImageFile(path).isNull());
        qInfo("decode bomb refused in %lld ms", timer.elapsed());

        // The file is otherwise sound: with its true size it decodes.
        WriteFile(path, PngClaimingSize(4, 4));
        QCOMPARE(DecodeImageFile(path).size(), QSize(4, 4));
    }

    void largePhotoStillLoads() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("photo.jpg"));
        QImage photo(6000, 4000, QImage::Format_RGB32);
        photo.fill(QColor(10, 120, 200));
        QVERIFY(photo.save(path, "JPEG"));
        photo = QImage();
        QCOMPARE(DecodeImageFile(path).size(), QSize(6000, 4000));
    }

    void unknownLanguageKeepsLocale() {
        const ProgramFolderWithTheme german("[Caption]\nLanguage=german\n");
        german.Load();
        QCOMPARE(CaptionLocaleName(), QStringLiteral("de_DE"));
        const ProgramFolderWithTheme unknown("[Caption]\nLanguage=no-such-language\n");
        unknown.Load();
        QCOMPARE(CaptionLocaleName(), QStringLiteral("de_DE"));
    }

    void showToolPrintsDefaults() {
        const QString tool = QStringLiteral(TIKLOOM_PROGRAM_FOLDER) +
                             QStringLiteral("tikloom-theme" TIKLOOM_PROGRAM_SUFFIX);
        if (!QFile::exists(tool)) {
            QSKIP("tikloom-theme is not built in this build");
        }
        QTemporaryDir dir;
        WriteFile(dir.filePath(QStringLiteral("tikloom.ini")), "[Theme]\nFileName=.tkm\n");
        QProcess process;
        process.start(tool,
                      {QStringLiteral("show"), QStringLiteral("--program-folder"), dir.path()});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        const QJsonObject o = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
        const QList<QPair<const char*, double>> numbers = {
            {"CenterX", 60},
            {"CenterY", 60},
            {"Radius", 48},
            {"CaptionX", 0},
            {"CaptionY", 26},
            {"NumberRadius", 0.82},
            {"MajorTickSize", 3},
            {"MinorTickSize", 1.6},
            {"ImageLeft", 8},
            {"ImageTop", 8},
            {"ImageWidth", 105},
            {"ImageHeight", 105},
            {"SecWidth", 1},
            {"SecHeadLength", 48},
            {"SecTailLength", 9.6},
            {"MinWidth", 2},
            {"MinHeadLength", 48},
            {"MinTailLength", 5.76},
            {"HourWidth", 3},
            {"HourHeadLength", 31.2},
            {"HourTailLength", 5.76},
            {"ShadowThickness", 1.5},
            {"ShadowOffsetX", 0},
            {"ShadowOffsetY", 1},
            {"SecColor", 4292673536.0},
            {"MinColor", 4279308561.0},
            {"HourColor", 4282664004.0},
            {"CaptionColor", 4282664004.0},
            {"TickNumberColor", 4282664004.0},
            {"MajorTickColor", 4282664004.0},
            {"MinorTickColor", 4282664004.0},
            {"BackgroundColor", 16777215.0},
            {"ShadowColor", 1711276032.0},
            {"CaptionFontSize", 8},
            {"TickNumbersFontSize", 8},
            {"MinAlpha", 51},
            {"MaxAlpha", 178},
        };
        for (const auto& [key, expected] : numbers) {
            QVERIFY2(o.value(QLatin1String(key)).isDouble(), key);
            QVERIFY2(o.value(QLatin1String(key)).toDouble() == expected, key);
        }
        const QList<QPair<const char*, bool>> flags = {
            {"ShowSecHand", true},          {"ShowMajorTicks", true},
            {"ShowMinorTicks", true},       {"ShowTickNumbers", true},
            {"ShowCaption", true},          {"KeepImageAspectRatio", true},
            {"ShowSecShadow", true},        {"ShowMinShadow", false},
            {"ShowHourShadow", false},      {"ShowMajorTickShadow", false},
            {"ShowMinorTickShadow", false}, {"UseHandsImage", false},
            {"UseMaskImage", true},         {"UseOverlayImage", true},
        };
        for (const auto& [key, expected] : flags) {
            QVERIFY2(o.value(QLatin1String(key)).isBool(), key);
            QVERIFY2(o.value(QLatin1String(key)).toBool() == expected, key);
        }
        QCOMPARE(o.value(QLatin1String("ImageFile")).toString(),
                 QStringLiteral("Themes\\default.png"));
        QCOMPARE(o.value(QLatin1String("HandsImage")).toString(),
                 QStringLiteral("Themes\\default_hands.png"));
        QCOMPARE(o.value(QLatin1String("CaptionFontName")).toString(), QStringLiteral("Georgia"));
        QCOMPARE(o.value(QLatin1String("Format")).toString(), QStringLiteral("%p"));
        QCOMPARE(o.value(QLatin1String("HandsImageSize")).toArray(), QJsonArray({0, 0}));
        QVERIFY(o.contains(QLatin1String("Locale")));
    }

    void showToolRejectsBadArguments() {
        const QString tool = QStringLiteral(TIKLOOM_PROGRAM_FOLDER) +
                             QStringLiteral("tikloom-theme" TIKLOOM_PROGRAM_SUFFIX);
        if (!QFile::exists(tool)) {
            QSKIP("tikloom-theme is not built in this build");
        }
        const QList<QStringList> badCalls = {
            {},
            {QStringLiteral("nonsense")},
            {QStringLiteral("show"), QStringLiteral("--program-folder")},
            {QStringLiteral("show"), QStringLiteral("--bogus")},
            {QStringLiteral("show"), QStringLiteral("a.tkm"), QStringLiteral("b.tkm")},
        };
        for (const QStringList& args : badCalls) {
            QProcess process;
            process.start(tool, args);
            QVERIFY(process.waitForFinished(30000));
            QCOMPARE(process.exitCode(), 2);
            QVERIFY(process.readAllStandardOutput().isEmpty());
            QVERIFY(process.readAllStandardError().contains("usage"));
        }
    }
};

QTEST_GUILESS_MAIN(TestThemeLoader)
#include "test_theme_loader.moc"
