// The clock drawn at a device pixel ratio: buffer sizes, hands where they
// are at ratio 1, edges as sharp as the device allows, @2x theme images, and
// a change of ratio.

#include "clock/core/face_renderer.h"
#include "clock/core/load_theme.h"
#include "clock/core/theme_loader.h"
#include "clock/core/time_renderer.h"
#include "common/density_image.h"

#include "support/render_test_support.h"

#include <QtTest>
#include <cmath>

using namespace tikloom;
using namespace tikloom::test;

namespace {

constexpr float kCentre = 64.5f;
constexpr uint32_t kRed = 0xFF0000u;
constexpr uint32_t kGreen = 0x00FF00u;
constexpr uint32_t kBlue = 0x0000FFu;
constexpr uint32_t kBlack = 0x000000u;

ThemeModel LineHandsTheme() {
    ThemeModel theme = EmptyThemeModel();
    theme.CenterX = kCentre;
    theme.CenterY = kCentre;
    theme.HourHeadLength = 30.0f;
    theme.HourWidth = 3.0f;
    theme.HourColor = 0xFF000000u | kRed;
    theme.MinHeadLength = 45.0f;
    theme.MinWidth = 2.0f;
    theme.MinColor = 0xFF000000u | kGreen;
    theme.SecHeadLength = 48.0f;
    theme.SecWidth = 1.0f;
    theme.SecColor = 0xFF000000u | kBlue;
    theme.ShowSecHand = true;
    return theme;
}

// Black dots and numbers on nothing: their edges are all the picture has.
ThemeModel TicksAndNumbersTheme() {
    ThemeModel theme = EmptyThemeModel();
    theme.CenterX = kCentre;
    theme.CenterY = kCentre;
    theme.Radius = 56.0f;
    theme.NumberRadius = 0.8f;
    theme.ShowMajorTicks = theme.ShowMinorTicks = theme.ShowTickNumbers = true;
    theme.MajorTickSize = 4.0f;
    theme.MinorTickSize = 2.0f;
    theme.MajorTickColor = theme.MinorTickColor = theme.TickNumberColor = 0xFF000000u;
    theme.TickNumbersFontName = QStringLiteral("DejaVu Sans");
    theme.TickNumbersFontSize = 10.0f;
    return theme;
}

void UseRatio(RenderBench& bench, double ratio) {
    bench.state.FaceBuffer = PixelBuffer(ratio);
    bench.state.FrameBuffer = PixelBuffer(ratio);
}

QRect Whole(const PixelBuffer& buffer) {
    return QRect(0, 0, buffer.side(), buffer.side());
}

// Pixels neither empty nor fully covered, over those with any ink: the share
// of a shape's pixels that lie on a blurred edge.
double SoftEdgeShare(const QImage& image) {
    int partial = 0;
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            inked += alpha > 0;
            partial += alpha > 0 && alpha < 255;
        }
    }
    return inked == 0 ? 1.0 : static_cast<double>(partial) / inked;
}

// How far along the direction from the pivot the solid part of a drawing
// reaches (pixel centres of alpha at least one half).
double Reach(const PixelBuffer& buffer, const QPointF& pivot, const QPointF& direction) {
    double farthest = 0;
    for (int y = 0; y < buffer.side(); ++y) {
        for (int x = 0; x < buffer.side(); ++x) {
            if (AlphaAt(buffer, x, y) >= 128) {
                const QPointF offset = QPointF(x + 0.5, y + 0.5) - pivot;
                farthest = std::max(farthest, QPointF::dotProduct(offset, direction));
            }
        }
    }
    return farthest;
}

uint32_t CentrePixel(const PixelBuffer& buffer) {
    return PixelAt(buffer, buffer.side() / 2, buffer.side() / 2) & 0xFFFFFFu;
}

} // namespace

class PixelRatioTest : public QObject {
    Q_OBJECT

private slots:
    void buffersHold128TimesTheRatioPixelsPerSide() {
        QCOMPARE(DeviceSide(1.0), 128);
        QCOMPARE(DeviceSide(1.25), 160);
        QCOMPARE(DeviceSide(1.5), 192);
        QCOMPARE(DeviceSide(2.0), 256);
        // No ratio below 1, and nothing from a ratio that is not a number.
        QCOMPARE(DeviceSide(0.5), 128);
        QCOMPARE(DeviceSide(std::nan("")), 128);
        QCOMPARE(DeviceSide(1000.0), 2048);

        const PixelBuffer dense(2.0);
        QCOMPARE(dense.image().size(), QSize(256, 256));
        QCOMPARE(dense.ratio(), 2.0);
        QCOMPARE(PixelBuffer().ratio(), 1.0);
        for (int i = 0; i < dense.pixelCount(); ++i) {
            QCOMPARE(dense.bits()[i], 0u);
        }
    }

    void copyingGivesTheTargetTheSourcesSize() {
        PixelBuffer source(1.5);
        source.bits()[source.pixelCount() - 1] = 0xFF123456u;
        PixelBuffer target;
        CopyPixels(target, source);
        QCOMPARE(target.side(), 192);
        QCOMPARE(target.bits()[target.pixelCount() - 1], 0xFF123456u);
    }

    void handsAgreeWithRatioOneWithinADevicePixel_data() {
        QTest::addColumn<double>("ratio");
        QTest::newRow("1.25") << 1.25;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }

    void handsAgreeWithRatioOneWithinADevicePixel() {
        QFETCH(double, ratio);
        // One hand at a time, so that no hand hides part of another.
        for (uint32_t colour : {kRed, kGreen, kBlue}) {
            ThemeModel theme = LineHandsTheme();
            for (uint32_t* hand : {&theme.HourColor, &theme.MinColor, &theme.SecColor}) {
                if ((*hand & 0xFFFFFFu) != colour) {
                    *hand = 0;
                }
            }
            RenderBench plain;
            RenderBench dense;
            plain.state.Theme = dense.state.Theme = theme;
            UseRatio(dense, ratio);
            for (const ClockTime& time : {MakeTime(10, 8, 37), MakeTime(3, 47, 12)}) {
                plain.DrawAt(time);
                dense.DrawAt(time);
                const Coverage one = CoverageOf(plain.state.FrameBuffer, QRect(0, 0, 128, 128));
                const Coverage many =
                    CoverageOf(dense.state.FrameBuffer, Whole(dense.state.FrameBuffer));
                QVERIFY(one.area > 0);
                // The same line: the dense hand's middle lies within a device
                // pixel of the plain hand's axis scaled up...
                const QPointF centre = QPointF(kCentre, kCentre);
                const QPointF axis = one.centroid - centre;
                const QPointF unit = axis / std::hypot(axis.x(), axis.y());
                const QPointF fromPivot = many.centroid - centre * ratio;
                const double aside = fromPivot.x() * unit.y() - fromPivot.y() * unit.x();
                QVERIFY2(std::fabs(aside) <= 1.0,
                         qPrintable(QStringLiteral("colour %1 %2 device pixels aside")
                                        .arg(colour, 6, 16, QLatin1Char('0'))
                                        .arg(aside)));
                // ...and it reaches as far, within a pixel of the plain render.
                const double tipOne = Reach(plain.state.FrameBuffer, centre, unit);
                const double tipMany = Reach(dense.state.FrameBuffer, centre * ratio, unit);
                QVERIFY2(std::fabs(tipMany - tipOne * ratio) <= ratio,
                         qPrintable(QStringLiteral("colour %1 reaches %2, plain %3")
                                        .arg(colour, 6, 16, QLatin1Char('0'))
                                        .arg(tipMany)
                                        .arg(tipOne)));
                // Same size: the area grows with the square of the ratio.
                // Thin lines at ratio 1 come out a little faint (a fifth
                // less ink for the one-pixel second hand).
                const double grown = many.area / (one.area * ratio * ratio);
                QVERIFY2(std::fabs(grown - 1.0) < 0.25,
                         qPrintable(QStringLiteral("colour %1 area grown %2 times as expected")
                                        .arg(colour, 6, 16, QLatin1Char('0'))
                                        .arg(grown)));
            }
        }
    }

    void ticksAndNumbersHaveSharpEdgesAtRatioTwo() {
        RenderBench plain;
        RenderBench dense;
        plain.state.Theme = dense.state.Theme = TicksAndNumbersTheme();
        UseRatio(dense, 2.0);
        BuildFace(plain.state);
        BuildFace(dense.state);
        const QImage enlarged = plain.state.FaceBuffer.image().scaled(
            256, 256, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage& native = dense.state.FaceBuffer.image();

        // The same ink, so the comparison is of edges alone.
        const Coverage inkOne = CoverageOf(plain.state.FaceBuffer, QRect(0, 0, 128, 128));
        const Coverage inkTwo = CoverageOf(dense.state.FaceBuffer, Whole(dense.state.FaceBuffer));
        QVERIFY(std::fabs(inkTwo.area / (4 * inkOne.area) - 1.0) < 0.15);

        const double softNative = SoftEdgeShare(native);
        const double softEnlarged = SoftEdgeShare(enlarged);
        QVERIFY2(softNative < 0.7 * softEnlarged,
                 qPrintable(QStringLiteral("soft edge share %1 drawn, %2 enlarged")
                                .arg(softNative)
                                .arg(softEnlarged)));
    }

    void ratioOneIsUnscaled() {
        // A one-pixel-wide opaque line on a pixel column stays one pixel wide.
        RenderBench bench;
        bench.state.Theme = LineHandsTheme();
        bench.state.HighQualitySmoothing = false;
        bench.DrawAt(MakeTime(0, 0, 0));
        QVERIFY(IsOpaque(bench.state.FrameBuffer, 64, 30, kBlue));
        QCOMPARE(AlphaAt(bench.state.FrameBuffer, 66, 30), 0);
    }

    void doubleDensityNames() {
        QCOMPARE(DoubleDensityName(QStringLiteral("/a/Themes/dial.png")),
                 QStringLiteral("/a/Themes/dial@2x.png"));
        QCOMPARE(DoubleDensityName(QStringLiteral("/a.b/dial")), QStringLiteral("/a.b/dial@2x"));
        QCOMPARE(DoubleDensityName(QStringLiteral("/a/.hidden")), QStringLiteral("/a/.hidden@2x"));
        QCOMPARE(DoubleDensityName(QStringLiteral("x.tar.png")), QStringLiteral("x.tar@2x.png"));
    }

    void doubleDensityImagesArePickedAboveRatioOne() {
        RenderBench bench;
        ThemeModel theme = EmptyThemeModel();
        theme.ImageFile =
            bench.AddImage(QStringLiteral("dial.png"), SolidImage(64, 64, 0xFFFF0000));
        bench.AddImage(QStringLiteral("dial@2x.png"), SolidImage(128, 128, 0xFF0000FF));
        theme.ImageWidth = theme.ImageHeight = 128;
        theme.ImageFolders = {bench.state.Layout.ProgramFolder};
        bench.state.Theme = theme;

        BuildFace(bench.state);
        QCOMPARE(CentrePixel(bench.state.FaceBuffer), kRed);
        for (double ratio : {1.25, 2.0}) {
            UseRatio(bench, ratio);
            BuildFace(bench.state);
            QCOMPARE(CentrePixel(bench.state.FaceBuffer), kBlue);
        }
    }

    void aThemeWithoutDoubleDensityImagesIsScaledUp() {
        RenderBench bench;
        ThemeModel theme = EmptyThemeModel();
        // Left half red, right half green: both halves fill their side at ratio 2.
        QImage halves = SolidImage(16, 16, 0xFFFF0000);
        for (int y = 0; y < 16; ++y) {
            for (int x = 8; x < 16; ++x) {
                halves.setPixel(x, y, 0xFF00FF00);
            }
        }
        theme.ImageFile = bench.AddImage(QStringLiteral("halves.png"), halves);
        theme.ImageLeft = theme.ImageTop = 0;
        theme.ImageWidth = theme.ImageHeight = 128;
        theme.ImageFolders = {bench.state.Layout.ProgramFolder};
        bench.state.Theme = theme;
        UseRatio(bench, 2.0);
        BuildFace(bench.state);
        QCOMPARE(PixelAt(bench.state.FaceBuffer, 20, 128) & 0xFFFFFFu, kRed);
        QCOMPARE(PixelAt(bench.state.FaceBuffer, 235, 128) & 0xFFFFFFu, kGreen);
        // Smoothly: colours blend across the middle.
        const uint32_t middle = PixelAt(bench.state.FaceBuffer, 128, 128);
        QVERIFY((middle & 0xFF0000u) != 0 && (middle & 0x00FF00u) != 0);
    }

    void doubleDensityMaskCutsAtDeviceResolution() {
        RenderBench bench;
        ThemeModel theme = EmptyThemeModel();
        theme.BackgroundColor = 0xFF000000u;
        theme.UseMaskImage = true;
        // The plain mask shows everything; the @2x one hides one device pixel.
        theme.MaskFile =
            bench.AddImage(QStringLiteral("mask.png"), SolidImage(128, 128, 0xFFFF0000));
        QImage dense = SolidImage(256, 256, 0xFFFF0000);
        dense.setPixel(101, 101, 0xFF000000);
        bench.AddImage(QStringLiteral("mask@2x.png"), dense);
        theme.ImageFolders = {bench.state.Layout.ProgramFolder};
        bench.state.Theme = theme;
        UseRatio(bench, 2.0);
        BuildFace(bench.state);
        QCOMPARE(AlphaAt(bench.state.FaceBuffer, 101, 101), 0);
        QCOMPARE(AlphaAt(bench.state.FaceBuffer, 100, 101), 255);
        QCOMPARE(PixelAt(bench.state.FaceBuffer, 100, 101) & 0xFFFFFFu, kBlack);
    }

    void handsImageComesFromItsDoubleDensityFile() {
        RenderBench bench;
        QDir(bench.state.Layout.ProgramFolder).mkdir(QStringLiteral("Themes"));
        bench.AddImage(QStringLiteral("Themes/hands.png"), SolidImage(30, 30, 0xFFFF0000));
        bench.AddImage(QStringLiteral("Themes/hands@2x.png"), SolidImage(60, 60, 0xFF0000FF));
        const QString themeFile = bench.state.Layout.ProgramFolder + QStringLiteral("Themes/t.tkm");
        QFile file(themeFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Options]\r\nHandsImage=Themes\\hands.png\r\n");
        file.close();

        ThemeModel model;
        LoadThemeModelFromFile(bench.state.Layout.ProgramFolder, themeFile, model);
        QCOMPARE(model.HandsImageCache.size(), QSize(30, 30));
        LoadThemeModelFromFile(bench.state.Layout.ProgramFolder, themeFile, model, 2.0);
        QCOMPARE(model.HandsImageCache.size(), QSize(60, 60));
        QCOMPARE(model.HandsImageCache.pixel(5, 5), 0xFF0000FFu);
    }

    void aChangeOfRatioRedrawsForTheNewScreen() {
        RenderBench bench;
        QDir(bench.state.Layout.ProgramFolder).mkdir(QStringLiteral("Themes"));
        LoadTheme(bench.state);
        const int framesBefore = bench.presenter.FrameCount();
        QVERIFY(!UsePixelRatio(bench.state, 1.0));
        QCOMPARE(bench.presenter.FrameCount(), framesBefore);

        QVERIFY(UsePixelRatio(bench.state, 2.0));
        QCOMPARE(bench.state.FaceBuffer.side(), 256);
        QCOMPARE(bench.presenter.LastFrame().size(), QSize(256, 256));
        QVERIFY(bench.presenter.FrameCount() > framesBefore);

        QVERIFY(UsePixelRatio(bench.state, 1.0));
        QCOMPARE(bench.presenter.LastFrame().size(), QSize(128, 128));
    }
};

QTEST_MAIN(PixelRatioTest)
#include "test_pixel_ratio.moc"
