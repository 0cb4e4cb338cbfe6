// The static face: background cover scaling, colour wash, mask cut, overlay,
// tick dots with their shadows and the numbers.

#include "clock/core/face_renderer.h"

#include "support/render_test_support.h"

#include <QtTest>
#include <cmath>

using namespace tikloom;
using namespace tikloom::test;

namespace {

constexpr uint32_t kRed = 0xFF0000u;
constexpr uint32_t kBlue = 0x0000FFu;
constexpr uint32_t kGreen = 0x00FF00u;

// Left half red, right half blue.
QImage TwoHalves(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, x < width / 2 ? 0xFFFF0000u : 0xFF0000FFu);
        }
    }
    return image;
}

bool Near(double a, double b, double tolerance) {
    return std::fabs(a - b) <= tolerance;
}

// Tick positions, clockwise from 12; step 60 is 12 o'clock.
QPointF TickPoint(const ThemeModel& theme, int step, float fraction = 1.0f) {
    const double angle = step * M_PI / 30.0;
    return QPointF(theme.CenterX + fraction * std::sin(angle) * theme.Radius,
                   theme.CenterY - fraction * std::cos(angle) * theme.Radius);
}

QRect Around(const QPointF& point, int half) {
    return QRect(static_cast<int>(std::floor(point.x())) - half,
                 static_cast<int>(std::floor(point.y())) - half, 2 * half + 1, 2 * half + 1);
}

} // namespace

class FaceRendererTest : public QObject {
    Q_OBJECT

private slots:
    void coverRectangle_data() {
        QTest::addColumn<bool>("keepAspect");
        QTest::addColumn<QSizeF>("image");
        QTest::addColumn<QRectF>("expected");
        QTest::newRow("wide image overhangs left and right")
            << true << QSizeF(200, 100) << QRectF(-44.5, 8, 210, 105);
        QTest::newRow("tall image overhangs top and bottom")
            << true << QSizeF(100, 200) << QRectF(8, -44.5, 105, 210);
        QTest::newRow("square image fills the square box")
            << true << QSizeF(64, 64) << QRectF(8, 8, 105, 105);
        QTest::newRow("without aspect the box")
            << false << QSizeF(200, 100) << QRectF(8, 8, 105, 105);
    }

    void coverRectangle() {
        QFETCH(bool, keepAspect);
        QFETCH(QSizeF, image);
        QFETCH(QRectF, expected);
        ThemeModel theme = DefaultThemeModel();
        theme.KeepImageAspectRatio = keepAspect;
        QCOMPARE(BackgroundRectangle(theme, image), expected);
    }

    // The 200 x 100 image is drawn 210 x 105 at (-44.5, 8): the halves meet at
    // x 60.5, the image spans rows 8 to 112, nothing is clipped to the box.
    void wideBackgroundIsDrawnCoveringTheBox() {
        RenderBench bench;
        bench.state.Theme.ImageFile =
            bench.AddImage(QStringLiteral("wide.png"), TwoHalves(200, 100));
        BuildFace(bench.state);
        const PixelBuffer& face = bench.state.FaceBuffer;
        QVERIFY(IsOpaque(face, 0, 60, kRed));
        QVERIFY(IsOpaque(face, 58, 60, kRed));
        QVERIFY(IsOpaque(face, 62, 60, kBlue));
        QVERIFY(IsOpaque(face, 127, 60, kBlue)); // beyond the box's right edge at 113
        QVERIFY(IsOpaque(face, 30, 9, kRed));
        QVERIFY(IsOpaque(face, 30, 111, kRed));
        QCOMPARE(AlphaAt(face, 30, 7), 0);
        QCOMPARE(AlphaAt(face, 30, 113), 0);
        const Coverage painted = CoverageOf(face);
        QVERIFY(Near(painted.area, 128.0 * 105.0, 128.0));
    }

    // Large images are scaled down into the window; the rest is lost.
    void largeBackgroundInTheWholeWindow() {
        RenderBench bench;
        ThemeModel& theme = bench.state.Theme;
        theme.ImageFile = bench.AddImage(QStringLiteral("big.png"), TwoHalves(600, 600));
        theme.ImageLeft = theme.ImageTop = 0.0f;
        theme.ImageWidth = theme.ImageHeight = 128.0f;
        BuildFace(bench.state);
        const PixelBuffer& face = bench.state.FaceBuffer;
        QVERIFY(IsOpaque(face, 0, 0, kRed));
        QVERIFY(IsOpaque(face, 62, 127, kRed));
        QVERIFY(IsOpaque(face, 65, 0, kBlue));
        QVERIFY(IsOpaque(face, 127, 127, kBlue));
    }

    // A mask red of 128 gives alpha 128 and halves each colour byte,
    // truncating; green and blue in the mask count for nothing.
    void maskRedChannelBecomesAlpha() {
        RenderBench bench;
        ThemeModel& theme = bench.state.Theme;
        theme.ImageFile = bench.AddImage(QStringLiteral("bg.png"), SolidImage(10, 10, 0xFFFFBF64u));
        theme.ImageLeft = theme.ImageTop = 0.0f;
        theme.ImageWidth = theme.ImageHeight = 128.0f;
        QImage mask(128, 128, QImage::Format_ARGB32);
        mask.fill(0xFF800000u);
        for (int y = 0; y < 128; ++y) {
            for (int x = 64; x < 128; ++x) {
                mask.setPixel(x, y, y < 64 ? 0xFF00FF00u : 0xFFFFFFFFu);
            }
        }
        theme.MaskFile = bench.AddImage(QStringLiteral("mask.png"), mask);
        theme.UseMaskImage = true;
        BuildFace(bench.state);
        const PixelBuffer& face = bench.state.FaceBuffer;
        // 255, 191, 100 at alpha 128: 128, 95 (95.87), 50 (50.2).
        QCOMPARE(PixelAt(face, 20, 20), 0x80805F32u);
        QCOMPARE(PixelAt(face, 100, 20), 0u);           // green: transparent
        QCOMPARE(PixelAt(face, 100, 100), 0xFFFFBF64u); // white: opaque
    }

    void withoutMaskTheFaceKeepsItsDrawnAlpha() {
        RenderBench bench;
        ThemeModel& theme = bench.state.Theme;
        theme.ImageFile = bench.AddImage(QStringLiteral("bg.png"), SolidImage(10, 10, 0xFF00FF00u));
        theme.ImageLeft = theme.ImageTop = 40.0f;
        theme.ImageWidth = theme.ImageHeight = 20.0f;
        theme.MaskFile = bench.AddImage(QStringLiteral("mask.png"), SolidImage(4, 4, 0xFF000000u));
        theme.UseMaskImage = false;
        BuildFace(bench.state);
        const PixelBuffer& face = bench.state.FaceBuffer;
        QVERIFY(IsOpaque(face, 50, 50, kGreen));
        QCOMPARE(PixelAt(face, 10, 10), 0u);

        // An opaque wash fills the whole square, over the image.
        theme.BackgroundColor = 0xFF0000FFu;
        BuildFace(bench.state);
        QVERIFY(IsOpaque(face, 10, 10, kBlue));
        QVERIFY(IsOpaque(face, 50, 50, kBlue));

        // A half-transparent wash lies over the image.
        theme.BackgroundColor = 0x80FF0000u;
        BuildFace(bench.state);
        const uint32_t mixed = PixelAt(face, 50, 50);
        QCOMPARE(mixed >> 24, 0xFFu);
        QVERIFY(Near((mixed >> 16) & 0xFF, 128, 1));
        QVERIFY(Near((mixed >> 8) & 0xFF, 127, 1));
        QCOMPARE(PixelAt(face, 10, 10), 0x80800000u);
    }

    // Missing images draw nothing; a missing mask with UseMaskImage on leaves
    // only the overlay and the dots, the overlay is never cut by the mask.
    void missingImages() {
        RenderBench bench;
        ThemeModel& theme = bench.state.Theme;
        theme.ImageFile = bench.AddImage(QStringLiteral("bg.png"), SolidImage(10, 10, 0xFFFF0000u));
        theme.MaskFile = QStringLiteral("no-such-mask.png");
        theme.OverlayFile = bench.AddImage(QStringLiteral("ov.png"), SolidImage(2, 2, 0x400000FFu));
        theme.UseMaskImage = true;
        theme.UseOverlayImage = true;
        theme.ShowMajorTicks = true;
        theme.MajorTickSize = 5.0f;
        theme.MajorTickColor = 0xFF00FF00u;
        BuildFace(bench.state);
        const PixelBuffer& face = bench.state.FaceBuffer;
        QCOMPARE(PixelAt(face, 60, 60), 0x40000040u); // overlay only
        QCOMPARE(PixelAt(face, 2, 2), 0x40000040u);
        QVERIFY(IsOpaque(face, 60, 12, kGreen)); // dots at 12 and 3 o'clock
        QVERIFY(IsOpaque(face, 108, 60, kGreen));
        QCOMPARE(CoverageOfColour(face, kRed).area, 0.0);

        // Nothing at all: an empty face, no failure.
        theme.ImageFile = QString();
        theme.OverlayFile = QStringLiteral("missing-dir\\none.png");
        theme.MaskFile = QStringLiteral("broken.png");
        QFile broken(bench.state.Layout.ProgramFolder + QStringLiteral("broken.png"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
        broken.close();
        theme.ShowMajorTicks = false;
        BuildFace(bench.state);
        QCOMPARE(CoverageOf(face).area, 0.0);
        // The first frame shows at once.
        QCOMPARE(bench.presenter.FrameCount(), 2);
    }

    // Stored paths may use backslashes and are relative to the program folder.
    void storedPathsResolveAgainstTheProgramFolder() {
        RenderBench bench;
        QVERIFY(QDir(bench.state.Layout.ProgramFolder).mkdir(QStringLiteral("Themes")));
        bench.AddImage(QStringLiteral("Themes/ov.png"), SolidImage(2, 2, 0xFF0000FFu));
        bench.state.Theme.OverlayFile = QStringLiteral("Themes\\ov.png");
        bench.state.Theme.UseOverlayImage = true;
        BuildFace(bench.state);
        QVERIFY(IsOpaque(bench.state.FaceBuffer, 64, 64, kBlue));
    }

    // With a 1-pixel offset down, the tick shadow's centre lies half a pixel
    // below the dot's, and the shadow is larger by ShadowThickness.
    void tickShadowsMoveByHalfTheOffset_data() {
        QTest::addColumn<float>("offsetX");
        QTest::addColumn<float>("offsetY");
        QTest::newRow("one pixel down") << 0.0f << 1.0f;
        QTest::newRow("six right, four up") << 6.0f << -4.0f;
    }

    void tickShadowsMoveByHalfTheOffset() {
        QFETCH(float, offsetX);
        QFETCH(float, offsetY);
        RenderBench bench;
        ThemeModel& theme = bench.state.Theme;
        theme.ShowMajorTicks = true;
        theme.ShowMajorTickShadow = true;
        theme.MajorTickSize = 4.0f;
        theme.MajorTickColor = 0; // invisible, so the whole shadow shows
        theme.ShadowThickness = 2.0f;
        theme.ShadowColor = 0xFF0000FFu;
        theme.ShadowOffsetX = offsetX;
        theme.ShadowOffsetY = offsetY;
        BuildFace(bench.state);

        const QPointF twelve = TickPoint(theme, 60);
        const Coverage shadow = CoverageOf(bench.state.FaceBuffer, Around(twelve, 8));
        QVERIFY2(Near(shadow.centroid.x(), twelve.x() + offsetX / 2, 0.05),
                 qPrintable(QString::number(shadow.centroid.x())));
        QVERIFY2(Near(shadow.centroid.y(), twelve.y() + offsetY / 2, 0.05),
                 qPrintable(QString::number(shadow.centroid.y())));
        QVERIFY2(Near(shadow.area, M_PI * 3.0 * 3.0, 1.0),
                 qPrintable(QString::number(shadow.area)));
        // Only the twelve major positions.
        QVERIFY(Near(CoverageOf(bench.state.FaceBuffer).area, 12 * M_PI * 9.0, 12.0));

        // The dot goes over its own shadow, centred on the tick position.
        theme.MajorTickColor = 0xFFFF0000u;
        BuildFace(bench.state);
        QVERIFY(IsOpaque(bench.state.FaceBuffer, 60, 12, kRed));
        theme.ShowMajorTickShadow = false;
        BuildFace(bench.state);
        const Coverage dot = CoverageOf(bench.state.FaceBuffer, Around(twelve, 8));
        QVERIFY(Near(dot.centroid.x(), twelve.x(), 0.05));
        QVERIFY(Near(dot.centroid.y(), twelve.y(), 0.05));
    }

    // Major dots off, numbers on: twelve numbers and no dot at the five-minute
    // positions, even with the minor dots on.
    void numbersWithoutMajorDots() {
        RenderBench bench;
        ThemeModel& theme = bench.state.Theme;
        theme.ShowMajorTicks = false;
        theme.ShowMinorTicks = true;
        theme.MinorTickSize = 2.0f;
        theme.MinorTickColor = 0xFF0000FFu;
        theme.MajorTickColor = 0xFF00FF00u;
        theme.ShowTickNumbers = true;
        theme.TickNumberColor = 0xFFFF0000u;
        theme.TickNumbersFontName = QStringLiteral("DejaVu Sans");
        theme.TickNumbersFontSize = 6.0f;
        theme.NumberRadius = 0.7f;
        BuildFace(bench.state);
        const PixelBuffer& face = bench.state.FaceBuffer;

        for (int step = 5; step <= 60; step += 5) {
            QCOMPARE(CoverageOf(face, Around(TickPoint(theme, step), 2)).area, 0.0);
            QVERIFY2(CoverageOfColour(face, kRed, Around(TickPoint(theme, step, 0.7f), 4)).area >
                         3.0,
                     qPrintable(QStringLiteral("number %1").arg(step / 5)));
        }
        for (int step = 1; step <= 4; ++step) {
            QVERIFY(CoverageOfColour(face, kBlue, Around(TickPoint(theme, step), 2)).area > 2.0);
        }
        QVERIFY(Near(CoverageOfColour(face, kBlue).area, 48 * M_PI, 8.0));
        QCOMPARE(CoverageOfColour(face, kGreen).area, 0.0);
    }

    // NumberRadius 0 puts every number on the centre, 1 on the tick circle.
    void numberRadiusIsAFractionOfTheRadius() {
        RenderBench bench;
        ThemeModel& theme = bench.state.Theme;
        theme.ShowTickNumbers = true;
        theme.TickNumberColor = 0xFFFF0000u;
        theme.TickNumbersFontName = QStringLiteral("DejaVu Sans");
        theme.TickNumbersFontSize = 6.0f;
        theme.NumberRadius = 0.0f;
        BuildFace(bench.state);
        const Coverage centre = CoverageOf(bench.state.FaceBuffer);
        QVERIFY(Near(centre.centroid.x(), theme.CenterX, 2.0));
        QVERIFY(Near(centre.centroid.y(), theme.CenterY, 2.0));
        QCOMPARE(CoverageOf(bench.state.FaceBuffer, Around(TickPoint(theme, 15), 3)).area, 0.0);

        theme.NumberRadius = 1.0f;
        BuildFace(bench.state);
        QVERIFY(CoverageOf(bench.state.FaceBuffer, Around(TickPoint(theme, 15), 3)).area > 3.0);
        QCOMPARE(
            CoverageOf(bench.state.FaceBuffer, Around(QPointF(theme.CenterX, theme.CenterY), 3))
                .area,
            0.0);
    }

    // The build ends with the local time on the new face, presented.
    void buildShowsTheCurrentTime() {
        RenderBench bench;
        ThemeModel& theme = bench.state.Theme;
        theme.ShowMinorTicks = true;
        theme.MinorTickColor = 0xFF0000FFu;
        theme.MinColor = 0xFF00FF00u;
        theme.MinHeadLength = 30.0f;
        theme.MinWidth = 2.0f;
        bench.now = MakeTime(11, 15, 0);
        BuildFace(bench.state);
        QCOMPARE(bench.state.DisplayedTime.Hour, uint16_t(11));
        QCOMPARE(bench.state.DisplayedTime.Minute, uint16_t(15));
        QCOMPARE(bench.presenter.FrameCount(), 1);
        const PixelBuffer& frame = bench.state.FrameBuffer;
        QVERIFY(CoverageOfColour(frame, kBlue).area > 48 * 2.0); // the face
        // The minute hand at 3 o'clock, 2 pixels wide along rows 59 and 60.
        QVERIFY(CoverageOfColour(frame, kGreen, QRect(75, 59, 10, 2)).area > 19.5);
        QCOMPARE(CoverageOfColour(bench.state.FaceBuffer, kGreen).area, 0.0); // not on the face
        QCOMPARE(bench.presenter.LastFrame(), frame.image());
    }
};

QTEST_MAIN(FaceRendererTest)
#include "test_face_renderer.moc"
