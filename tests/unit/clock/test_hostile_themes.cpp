// Themes that name what no theme should: lengths at the ends of the 32-bit
// range (drawn without overflow, checked for real under the sanitizer build)
// and FIFOs or devices in place of images and theme files (treated as
// absent, without waiting on them).

#include "clock/core/image_decoding.h"
#include "clock/core/load_theme.h"
#include "clock/core/theme_bounds.h"
#include "clock/core/theme_loader.h"
#include "support/render_test_support.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#ifndef Q_OS_WIN
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace tikloom;
using namespace tikloom::test;

namespace {

// A test that blocks on a FIFO is ended by the alarm, and so fails.
constexpr unsigned kHangLimitSeconds = 20;

void WriteFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray ExtremeTheme(const QByteArray& number) {
    QByteArray text = "[Background]\nImageFile=Themes\\face.png\nMaskFile=\nOverlayFile=\n"
                      "[Options]\nUseHandsImage=1\nHandsImage=Themes\\hands.png\n"
                      "ShowSecShadow=1\nShowMinShadow=1\nShowHourShadow=1\n"
                      "ShowMajorTickShadow=1\nShowMinorTickShadow=1\nKeepImageAspectRatio=0\n"
                      "[Color]\nShadowColor=2147483648\nSecColor=2164195328\n"
                      "HourColor=2164195328\nMinColor=2164195328\nMajorTickColor=2164195328\n"
                      "[Dimension]\n";
    for (const char* key :
         {"CenterX",       "CenterY",       "CaptionX",       "CaptionY",       "NumberRadius",
          "MajorTickSize", "MinorTickSize", "ImageLeft",      "ImageTop",       "ImageWidth",
          "ImageHeight",   "SecWidth",      "SecTailLength",  "MinWidth",       "MinHeadLength",
          "MinTailLength", "HourWidth",     "HourHeadLength", "HourTailLength", "ShadowThickness",
          "ShadowOffsetX", "ShadowOffsetY"}) {
        text += QByteArray(key) + "=" + number + "\n";
    }
    text += "Radius=2000000000\nSecHeadLength=2000\n[Font]\nCaptionFontSize=" + number +
            "\nTickNumbersFontSize=" + number + "\n";
    return text;
}

} // namespace

class HostileThemesTest : public QObject {
    Q_OBJECT

private slots:
#ifndef Q_OS_WIN
    void init() {
        alarm(kHangLimitSeconds);
    }
    void cleanup() {
        alarm(0);
    }
#endif

    void extremeLengthsAreBoundedAndDrawn_data() {
        QTest::addColumn<QByteArray>("number");
        QTest::newRow("largest") << QByteArray("2147483647");
        QTest::newRow("smallest") << QByteArray("-2147483648");
        QTest::newRow("wraps to negative") << QByteArray("4000000000");
    }

    void extremeLengthsAreBoundedAndDrawn() {
        QFETCH(QByteArray, number);
        RenderBench bench;
        QDir(bench.state.Layout.ProgramFolder).mkdir(QStringLiteral("Themes"));
        QImage picture(90, 30, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        bench.AddImage(QStringLiteral("Themes/hands.png"), picture);
        bench.AddImage(QStringLiteral("Themes/face.png"), picture);
        WriteFile(bench.state.Layout.ProgramFolder + QStringLiteral("Themes/default.tkm"),
                  ExtremeTheme(number));
        LoadTheme(bench.state);
        bench.DrawAt(MakeTime(10, 8, 30));
        QCOMPARE(bench.presenter.FrameCount(), 2);

        const ThemeModel& theme = bench.state.Theme;
        QCOMPARE(theme.Radius, kMaxThemeExtent);
        QCOMPARE(theme.SecHeadLength, kMaxThemeExtent);
        for (float value : {theme.CenterX, theme.ImageWidth, theme.ShadowOffsetY,
                            theme.HourHeadLength, theme.MinTailLength}) {
            QCOMPARE(std::fabs(value), kMaxThemeExtent);
        }
        QCOMPARE(std::fabs(theme.NumberRadius), kMaxNumberRadius);
        QVERIFY(std::fabs(theme.CaptionFontSize) <= kMaxFontPoints);
    }

    void ordinaryValuesAreNotTouched() {
        ThemeModel model;
        model.Radius = -48.0f;
        model.SecHeadLength = 16000.0f;
        model.NumberRadius = 0.82f;
        model.CaptionFontSize = 8.5f;
        BoundThemeGeometry(model);
        QCOMPARE(model.Radius, -48.0f);
        QCOMPARE(model.SecHeadLength, 16000.0f);
        QCOMPARE(model.NumberRadius, 0.82f);
        QCOMPARE(model.CaptionFontSize, 8.5f);
    }

    void fifosAndDevicesAreAbsent() {
#ifdef Q_OS_WIN
        QSKIP("Windows has no FIFOs; devicesNamedInAThemeAreAbsent covers its devices");
#else
        RenderBench bench;
        const QString themes = bench.state.Layout.ProgramFolder + QStringLiteral("Themes/");
        QDir().mkpath(themes);
        for (const char* name : {"face.png", "hands.png", "mask.png", "fifo.tkm"}) {
            QCOMPARE(mkfifo(QFile::encodeName(themes + QLatin1String(name)).constData(), 0600), 0);
        }
        WriteFile(themes + QStringLiteral("default.tkm"),
                  "[Background]\nImageFile=Themes\\face.png\nMaskFile=Themes\\mask.png\n"
                  "OverlayFile=/dev/zero\n[Options]\nUseHandsImage=1\n"
                  "HandsImage=Themes\\hands.png\n[Dimension]\nRadius=300\n");
        LoadTheme(bench.state);
        QVERIFY(bench.state.Theme.HandsImageCache.isNull());
        QCOMPARE(bench.state.Theme.Radius, 30.0f);
        QVERIFY(DecodeImageFile(themes + QStringLiteral("face.png")).isNull());
        QVERIFY(DecodeImageFile(QStringLiteral("/dev/zero")).isNull());
        QVERIFY(DecodeImageFile(themes).isNull());

        // A FIFO as the theme file itself reads as an empty theme.
        ThemeModel model;
        LoadThemeModelFromFile(bench.state.Layout.ProgramFolder,
                               themes + QStringLiteral("fifo.tkm"), model);
        QCOMPARE(model.Radius, 48.0f);
#endif
    }
    void devicesNamedInAThemeAreAbsent() {
#ifndef Q_OS_WIN
        QSKIP("Windows device names");
#else
        RenderBench bench;
        const QString themes = bench.state.Layout.ProgramFolder + QStringLiteral("Themes/");
        QDir().mkpath(themes);
        WriteFile(themes + QStringLiteral("default.tkm"),
                  "[Background]\nImageFile=NUL\nMaskFile=Themes\\con.png\n"
                  "OverlayFile=\\\\.\\NUL\n[Options]\nUseHandsImage=1\n"
                  "HandsImage=COM1\n[Dimension]\nRadius=300\n");
        LoadTheme(bench.state);
        QVERIFY(bench.state.Theme.HandsImageCache.isNull());
        QCOMPARE(bench.state.Theme.Radius, 30.0f);
        for (const char* name : {"NUL", "CON", "nul.png", "\\\\.\\NUL"})
            QVERIFY2(DecodeImageFile(QLatin1String(name)).isNull(), name);
        QVERIFY(DecodeImageFile(themes).isNull());

        // A device as the theme file itself reads as an empty theme.
        ThemeModel model;
        LoadThemeModelFromFile(bench.state.Layout.ProgramFolder, QStringLiteral("NUL"), model);
        QCOMPARE(model.Radius, 48.0f);
#endif
    }
};

QTEST_MAIN(HostileThemesTest)
#include "test_hostile_themes.moc"
