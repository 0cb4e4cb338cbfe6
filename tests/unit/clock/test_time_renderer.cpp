// One frame of the clock: hand angles and geometry, shadows, image hands, the
// caption and what is handed to the presenter.

#include "clock/core/time_renderer.h"

#include "clock/core/render_local_time.h"

#include "support/render_test_support.h"

#include <QtTest>
#include <cmath>

using namespace tikloom;
using namespace tikloom::test;

namespace {

// Hands pivot on a pixel centre, so that a hand pointing up runs along a column.
constexpr float kCentre = 64.5f;
const QPointF kCentrePoint(kCentre, kCentre);

constexpr uint32_t kRed = 0xFF0000u;
constexpr uint32_t kGreen = 0x00FF00u;
constexpr uint32_t kBlue = 0x0000FFu;
constexpr uint32_t kYellow = 0xFFFF00u;
constexpr uint32_t kMagenta = 0xFF00FFu;
constexpr uint32_t kCyan = 0x00FFFFu;

enum class Hand { Hour, Minute, Second };

ThemeModel LineHandsTheme() {
    ThemeModel theme = EmptyThemeModel();
    theme.CenterX = kCentre;
    theme.CenterY = kCentre;
    theme.HourHeadLength = 30.0f;
    theme.HourWidth = 3.0f;
    theme.HourTailLength = 0.0f;
    theme.MinHeadLength = 45.0f;
    theme.MinWidth = 2.0f;
    theme.MinTailLength = 0.0f;
    theme.SecHeadLength = 48.0f;
    theme.SecWidth = 1.0f;
    theme.SecTailLength = 0.0f;
    return theme;
}

double AngleDifference(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

QPoint PixelAlong(double degrees, double distance) {
    const double radians = qDegreesToRadians(degrees);
    return QPoint(static_cast<int>(std::floor(kCentre + distance * std::sin(radians))),
                  static_cast<int>(std::floor(kCentre - distance * std::cos(radians))));
}

// A 150 x 150 hands image: in each strip the top rows are white (the tip)
// and below them the left and right halves have colours of their own. With
// onlyStrip set, the other strips are transparent.
QImage HandsImage(int onlyStrip = -1) {
    QImage image(150, 150, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const uint32_t left[] = {kRed, kGreen, kBlue};
    const uint32_t right[] = {kYellow, kCyan, kMagenta};
    for (int strip = 0; strip < 3; ++strip) {
        if (onlyStrip >= 0 && strip != onlyStrip) {
            continue;
        }
        for (int y = 0; y < 150; ++y) {
            for (int x = 0; x < 50; ++x) {
                const uint32_t rgb = y < 20 ? 0xFFFFFFu : (x < 25 ? left[strip] : right[strip]);
                image.setPixel(strip * 50 + x, y, 0xFF000000u | rgb);
            }
        }
    }
    return image;
}

} // namespace

class TimeRendererTest : public QObject {
    Q_OBJECT

private slots:
    void handPointsAtItsAngle_data() {
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("hand");
        QTest::addColumn<double>("degrees");
        const int hour = static_cast<int>(Hand::Hour);
        const int minute = static_cast<int>(Hand::Minute);
        const int second = static_cast<int>(Hand::Second);
        QTest::newRow("3:00:00 hour at 3") << 3 << 0 << 0 << hour << 90.0;
        QTest::newRow("3:00:00 minute at 12") << 3 << 0 << 0 << minute << 0.0;
        QTest::newRow("3:30:00 hour halfway to 4") << 3 << 30 << 0 << hour << 105.0;
        QTest::newRow("3:30:00 minute at 6") << 3 << 30 << 0 << minute << 180.0;
        QTest::newRow("15:00:00 hour at 3") << 15 << 0 << 0 << hour << 90.0;
        QTest::newRow("12:00:30 minute 3 degrees on") << 12 << 0 << 30 << minute << 3.0;
        QTest::newRow("12:00:30 hour at 12") << 12 << 0 << 30 << hour << 0.0;
        QTest::newRow("second 59") << 10 << 20 << 59 << second << 354.0;
        QTest::newRow("second 15") << 10 << 20 << 15 << second << 90.0;
        QTest::newRow("21:45:00 hour") << 21 << 45 << 0 << hour << 292.5;
    }

    // Only the hand under test is visible; its pixels' weighted centre gives
    // its direction, and pixels along that direction give its extent.
    void handPointsAtItsAngle() {
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(int, second);
        QFETCH(int, hand);
        QFETCH(double, degrees);

        RenderBench bench;
        ThemeModel& theme = bench.state.Theme;
        theme = LineHandsTheme();
        float head = 0;
        float width = 0;
        switch (static_cast<Hand>(hand)) {
        case Hand::Hour:
            theme.HourColor = 0xFF000000u | kRed;
            head = theme.HourHeadLength;
            width = theme.HourWidth;
            break;
        case Hand::Minute:
            theme.MinColor = 0xFF000000u | kGreen;
            head = theme.MinHeadLength;
            width = theme.MinWidth;
            break;
        case Hand::Second:
            theme.ShowSecHand = true;
            theme.SecColor = 0xFF000000u | kBlue;
            head = theme.SecHeadLength;
            width = theme.SecWidth;
            break;
        }
        bench.DrawAt(MakeTime(hour, minute, second));

        const PixelBuffer& frame = bench.state.FrameBuffer;
        const Coverage coverage = CoverageOf(frame);
        QVERIFY(coverage.area > head * width * 0.9);
        const double measured = ClockwiseDegrees(kCentrePoint, coverage.centroid);
        QVERIFY2(AngleDifference(measured, degrees) < 0.3,
                 qPrintable(QStringLiteral("hand at %1 degrees").arg(measured)));

        for (int d = 4; d <= static_cast<int>(head) - 1; d += 3) {
            const QPoint p = PixelAlong(degrees, d);
            QVERIFY2(AlphaAt(frame, p.x(), p.y()) > 0,
                     qPrintable(QStringLiteral("gap at %1").arg(d)));
        }
        const QPoint beyond = PixelAlong(degrees, head + width / 2 + 1.5);
        QCOMPARE(AlphaAt(frame, beyond.x(), beyond.y()), 0);
    }

    // Default sizes without anti-aliasing: the second hand reaches 48 pixels,
    // its tail 9.6, the counterweight covers 6.4 to 9.6 at 2.5 pixels wide and
    // the centre disc is 3.6 pixels across.
    void secondHandWithCounterweightAndDisc() {
        RenderBench bench;
        ThemeModel& theme = bench.state.Theme;
        theme = LineHandsTheme();
        theme.ShowSecHand = true;
        theme.SecColor = 0xFFDD0000u;
        theme.SecHeadLength = 48.0f;
        theme.SecTailLength = 9.6f;
        theme.SecWidth = 1.0f;
        bench.state.HighQualitySmoothing = false;
        bench.DrawAt(MakeTime(0, 0, 0));
        const PixelBuffer& frame = bench.state.FrameBuffer;
        const uint32_t red = 0xDD0000u;

        QVERIFY(IsOpaque(frame, 64, 16, red)); // tip plus half the width: y 16.0
        QCOMPARE(AlphaAt(frame, 64, 15), 0);
        QVERIFY(IsOpaque(frame, 64, 40, red)); // one pixel wide
        QCOMPARE(AlphaAt(frame, 63, 40), 0);
        QCOMPARE(AlphaAt(frame, 65, 40), 0);
        QVERIFY(IsOpaque(frame, 64, 68, red)); // thin tail before the counterweight
        QCOMPARE(AlphaAt(frame, 63, 68), 0);
        for (int x = 63; x <= 65; ++x) {
            QVERIFY(IsOpaque(frame, x, 72, red)); // counterweight, 2.5 wide
        }
        QCOMPARE(AlphaAt(frame, 62, 72), 0);
        QCOMPARE(AlphaAt(frame, 66, 72), 0);
        QVERIFY(IsOpaque(frame, 64, 74, red)); // ends 9.6 + 1.25 below the centre
        QCOMPARE(AlphaAt(frame, 64, 75), 0);
        QVERIFY(IsOpaque(frame, 63, 64, red)); // centre disc
        QVERIFY(IsOpaque(frame, 65, 64, red));
        QCOMPARE(AlphaAt(frame, 62, 64), 0);
        QCOMPARE(AlphaAt(frame, 66, 64), 0);
    }

    // Shadows move by the full offset and are wider by ShadowThickness; the
    // second hand's shadow and its counterweight's are half a pixel thinner.
    void handShadowsMoveByTheFullOffset() {
        RenderBench bench;
        ThemeModel& theme = bench.state.Theme;
        theme = LineHandsTheme();
        theme.ShadowColor = 0xFF000000u | kBlue;
        theme.ShadowThickness = 2.0f;
        theme.ShadowOffsetX = 10.0f;
        theme.ShadowOffsetY = 4.0f;
        theme.HourColor = 0xFF000000u | kRed;
        theme.ShowHourShadow = true;
        bench.DrawAt(MakeTime(0, 0, 0));
        const PixelBuffer& frame = bench.state.FrameBuffer;

        const Coverage hand = CoverageOfColour(frame, kRed);
        const Coverage shadow = CoverageOfColour(frame, kBlue);
        QVERIFY(std::fabs(shadow.centroid.x() - hand.centroid.x() - 10.0) < 0.05);
        QVERIFY(std::fabs(shadow.centroid.y() - hand.centroid.y() - 4.0) < 0.05);
        const QRect row(0, 50, kClockSize, 1);
        QVERIFY(std::fabs(CoverageOfColour(frame, kBlue, row).area - 5.0) < 0.05);
        QVERIFY(std::fabs(CoverageOfColour(frame, kRed, row).area - 3.0) < 0.05);

        theme.ShowHourShadow = false;
        theme.HourColor = 0;
        theme.MinColor = 0xFF000000u | kRed;
        theme.ShowMinShadow = true;
        bench.DrawAt(MakeTime(0, 0, 0));
        QVERIFY(std::fabs(CoverageOfColour(frame, kBlue, row).area - 4.0) < 0.05);

        theme.ShowMinShadow = false;
        theme.MinColor = 0;
        theme.ShowSecHand = true;
        theme.ShowSecShadow = true;
        theme.SecColor = 0xFF000000u | kRed;
        theme.SecWidth = 2.0f;
        theme.SecTailLength = 15.0f;
        bench.DrawAt(MakeTime(0, 0, 0));
        QVERIFY(std::fabs(CoverageOfColour(frame, kBlue, row).area - 3.5) < 0.05);
        QVERIFY(std::fabs(CoverageOfColour(frame, kRed, row).area - 2.0) < 0.05);
        // Counterweight from 10 to 15 pixels below the centre.
        const QRect weightRow(0, static_cast<int>(kCentre) + 12, kClockSize, 1);
        QVERIFY(std::fabs(CoverageOfColour(frame, kRed, weightRow).area - 5.0) < 0.05);
        const QRect shadowWeightRow(0, static_cast<int>(kCentre) + 16, kClockSize, 1);
        QVERIFY(std::fabs(CoverageOfColour(frame, kBlue, shadowWeightRow).area - 6.5) < 0.05);
    }

    void withoutSecondHandNoCounterweightOrDisc() {
        RenderBench bench;
        ThemeModel& theme = bench.state.Theme;
        theme = LineHandsTheme();
        theme.SecColor = 0xFF000000u | kBlue;
        theme.SecTailLength = 9.6f;
        theme.ShowSecShadow = true;
        theme.ShadowColor = 0xFF000000u | kYellow;
        theme.ShadowOffsetX = 5.0f; // clear of the hands, so that colours do not mix
        theme.MinColor = 0xFF000000u | kGreen;
        theme.ShowSecHand = false;
        bench.DrawAt(MakeTime(4, 10, 20));
        const PixelBuffer& frame = bench.state.FrameBuffer;
        QCOMPARE(CoverageOfColour(frame, kBlue).area, 0.0);
        QCOMPARE(CoverageOfColour(frame, kYellow).area, 0.0);
        QVERIFY(CoverageOfColour(frame, kGreen).area > 40.0);

        theme.ShowSecHand = true;
        bench.DrawAt(MakeTime(4, 10, 20));
        QVERIFY(CoverageOfColour(frame, kBlue).area > 40.0);
        QVERIFY(CoverageOfColour(frame, kYellow).area > 40.0);
    }

    void imageHandsGeometry_data() {
        QTest::addColumn<bool>("highQuality");
        QTest::newRow("high-quality filtering") << true;
        QTest::newRow("default filtering") << false;
    }

    // A 150 x 150 image with F = 48: each strip is drawn 24 wide and 72 long,
    // from 48 beyond the centre to 24 behind it, tip outwards, its left half
    // on the left of the hand seen from the centre. Each hand is looked at on
    // its own (the other strips transparent), then all three together.
    void imageHandsGeometry() {
        QFETCH(bool, highQuality);
        RenderBench bench;
        ThemeModel& theme = bench.state.Theme;
        theme = LineHandsTheme();
        theme.UseHandsImage = true;
        theme.ShowSecHand = true;
        theme.SecHeadLength = 48.0f;
        // Line-hand settings play no part in this mode.
        theme.HourColor = theme.MinColor = theme.SecColor = 0xFF123456u;
        theme.ShowHourShadow = theme.ShowSecShadow = true;
        theme.ShadowColor = 0xFF654321u;
        bench.state.HighQualitySmoothing = highQuality;
        const PixelBuffer& frame = bench.state.FrameBuffer;
        const int c = 64;

        // Hour hand at 3:00:00, pointing right: tip at x 112.5, tail end at x 40.5.
        theme.HandsImageCache = HandsImage(0);
        bench.DrawAt(MakeTime(3, 0, 0));
        QVERIFY(IsOpaque(frame, c + 45, c, 0xFFFFFFu));
        QVERIFY(IsOpaque(frame, c + 30, c - 8, kRed));    // left of the hand: above
        QVERIFY(IsOpaque(frame, c + 30, c + 8, kYellow)); // right of the hand: below
        QVERIFY(IsOpaque(frame, c - 21, c - 8, kRed));    // 24 behind the centre
        QCOMPARE(AlphaAt(frame, c - 26, c), 0);
        QCOMPARE(AlphaAt(frame, c + 30, c - 14), 0); // 24 wide: 12 each side
        QCOMPARE(AlphaAt(frame, c + 30, c + 14), 0);
        QCOMPARE(AlphaAt(frame, c + 50, c), 0);
        const Coverage hour = CoverageOf(frame);
        QVERIFY(std::fabs(hour.area - 24.0 * 72.0) < 24.0);
        // No shadows, no disc, no line hands.
        QCOMPARE(CoverageOfColour(frame, 0x123456u).area, 0.0);
        QCOMPARE(CoverageOfColour(frame, 0x654321u).area, 0.0);

        // Minute hand at 3:00:00, pointing up: from y 16.5 to y 88.5.
        theme.HandsImageCache = HandsImage(1);
        bench.DrawAt(MakeTime(3, 0, 0));
        QVERIFY(IsOpaque(frame, c, c - 45, 0xFFFFFFu));
        QVERIFY(IsOpaque(frame, c - 8, c - 30, kGreen));
        QVERIFY(IsOpaque(frame, c + 8, c - 30, kCyan));
        QVERIFY(IsOpaque(frame, c - 8, c + 21, kGreen));
        QCOMPARE(AlphaAt(frame, c, c - 50), 0);
        QCOMPARE(AlphaAt(frame, c, c + 26), 0);
        QCOMPARE(AlphaAt(frame, c - 14, c - 30), 0);

        // Second hand at 45 seconds, pointing left.
        theme.HandsImageCache = HandsImage(2);
        bench.DrawAt(MakeTime(3, 0, 45));
        QVERIFY(IsOpaque(frame, c - 45, c, 0xFFFFFFu));
        QVERIFY(IsOpaque(frame, c - 30, c + 8, kBlue));
        QVERIFY(IsOpaque(frame, c - 30, c - 8, kMagenta));
        QCOMPARE(AlphaAt(frame, c - 50, c), 0);

        // All three: the second hand lies over the hour hand's tail.
        theme.HandsImageCache = HandsImage();
        bench.DrawAt(MakeTime(3, 0, 45));
        QVERIFY(IsOpaque(frame, c + 30, c + 8, kYellow));
        QVERIFY(IsOpaque(frame, c + 20, c + 8, kBlue));
        QVERIFY(IsOpaque(frame, c - 30, c + 8, kBlue));

        // Without the second hand its strip is not drawn.
        theme.ShowSecHand = false;
        bench.DrawAt(MakeTime(3, 0, 45));
        QCOMPARE(CoverageOfColour(frame, kBlue).area, 0.0);
        QVERIFY(IsOpaque(frame, c + 20, c + 8, kYellow));
    }

    void noHandsWhenTheHandsImageIsMissing() {
        RenderBench bench;
        ThemeModel& theme = bench.state.Theme;
        theme = LineHandsTheme();
        theme.UseHandsImage = true;
        theme.ShowSecHand = true;
        theme.HourColor = theme.MinColor = theme.SecColor = 0xFF123456u;
        bench.DrawAt(MakeTime(3, 0, 45));
        QCOMPARE(CoverageOf(bench.state.FrameBuffer).area, 0.0);
    }

    // "%x\n%H": two lines, date over hour, centred together on the caption
    // point, each line centred on its own.
    void twoLineCaptionCentredOnItsPoint() {
        RenderBench bench;
        ThemeModel& theme = bench.state.Theme;
        theme.CenterX = 60.0f;
        theme.CenterY = 60.0f;
        theme.CaptionX = 4.0f;
        theme.CaptionY = 6.0f;
        theme.ShowCaption = true;
        theme.CaptionColor = 0xFF000000u | kRed;
        theme.CaptionFontName = QStringLiteral("DejaVu Sans");
        theme.CaptionFontSize = 8.0f;
        theme.Format = QStringLiteral("%x\n%H");
        bench.DrawAt(MakeTime(9, 15, 0));
        const PixelBuffer& frame = bench.state.FrameBuffer;

        QVector<int> inkRows;
        for (int y = 0; y < kClockSize; ++y) {
            if (CoverageOf(frame, QRect(0, y, kClockSize, 1)).area > 0) {
                inkRows.append(y);
            }
        }
        QVERIFY(!inkRows.isEmpty());
        int gap = -1;
        for (int i = 1; i < inkRows.size(); ++i) {
            if (inkRows[i] > inkRows[i - 1] + 1) {
                QCOMPARE(gap, -1); // exactly one gap: two lines
                gap = i;
            }
        }
        QVERIFY(gap > 0);
        const QRect firstLine(0, inkRows.first(), kClockSize,
                              inkRows[gap - 1] - inkRows.first() + 1);
        const QRect secondLine(0, inkRows[gap], kClockSize, inkRows.last() - inkRows[gap] + 1);
        const double captionX = 64.0;
        const double captionY = 66.0;
        QVERIFY(std::fabs(CoverageOf(frame, firstLine).centroid.x() - captionX) < 1.5);
        QVERIFY(std::fabs(CoverageOf(frame, secondLine).centroid.x() - captionX) < 1.5);
        QVERIFY(firstLine.bottom() < captionY);
        QVERIFY(secondLine.top() > captionY);
        QVERIFY(std::fabs((firstLine.top() + secondLine.bottom() + 1) / 2.0 - captionY) < 3.0);
        // The date line is much wider than the two digits of the hour.
        int firstWidth = 0;
        int secondWidth = 0;
        for (int x = 0; x < kClockSize; ++x) {
            firstWidth +=
                CoverageOf(frame, QRect(x, firstLine.top(), 1, firstLine.height())).area > 0;
            secondWidth +=
                CoverageOf(frame, QRect(x, secondLine.top(), 1, secondLine.height())).area > 0;
        }
        QVERIFY(firstWidth > 2 * secondWidth);
    }

    void emptyOrOverlongCaptionIsLeftOut_data() {
        QTest::addColumn<QString>("format");
        QTest::newRow("empty format") << QString();
        QTest::newRow("over 255 characters") << QStringLiteral("%Y").repeated(70);
    }

    void emptyOrOverlongCaptionIsLeftOut() {
        QFETCH(QString, format);
        RenderBench bench;
        ThemeModel& theme = bench.state.Theme;
        theme.ShowCaption = true;
        theme.CaptionColor = 0xFF000000u | kRed;
        theme.CaptionFontName = QStringLiteral("DejaVu Sans");
        theme.CaptionFontSize = 8.0f;
        theme.Format = format;
        bench.DrawAt(MakeTime(9, 15, 0));
        QCOMPARE(CoverageOf(bench.state.FrameBuffer).area, 0.0);

        theme.Format = QStringLiteral("%Y").repeated(60); // 240 characters: drawn
        bench.DrawAt(MakeTime(9, 15, 0));
        QVERIFY(CoverageOf(bench.state.FrameBuffer).area > 0.0);
    }

    // The hands may show a time-lapse; the caption shows the real time.
    void captionShowsTheRealTimeNotTheDisplayedOne() {
        RenderBench bench;
        ThemeModel& theme = bench.state.Theme;
        theme.ShowCaption = true;
        theme.CaptionColor = 0xFF000000u | kRed;
        theme.CaptionFontName = QStringLiteral("DejaVu Sans");
        theme.CaptionFontSize = 10.0f;
        theme.Format = QStringLiteral("%H:%M");
        bench.now = MakeTime(7, 40, 0);
        bench.DrawAt(MakeTime(3, 0, 0));
        const QImage seven = bench.state.FrameBuffer.image().copy();
        bench.DrawAt(MakeTime(18, 25, 0));
        QCOMPARE(bench.state.FrameBuffer.image(), seven);
        bench.now = MakeTime(8, 51, 0);
        bench.DrawAt(MakeTime(3, 0, 0));
        QVERIFY(bench.state.FrameBuffer.image() != seven);
    }

    // The caption's time fields: the day of the year follows the date, also
    // when the zone's answer is kept from one second to the next.
    void captionTimeFieldsFollowTheDate() {
        const struct tm march = CaptionTimeFields(MakeTime(9, 15, 0, 2026, 3, 14));
        QCOMPARE(march.tm_year, 126);
        QCOMPARE(march.tm_mon, 2);
        QCOMPARE(march.tm_mday, 14);
        QCOMPARE(march.tm_hour, 9);
        QCOMPARE(march.tm_min, 15);
        QCOMPARE(march.tm_wday, 6); // a Saturday
        QCOMPARE(march.tm_yday, 72);
        QCOMPARE(CaptionTimeFields(MakeTime(9, 15, 1, 2026, 3, 14)).tm_yday, 72);
        const struct tm newYearsEve = CaptionTimeFields(MakeTime(9, 15, 1, 2026, 12, 31));
        QCOMPARE(newYearsEve.tm_yday, 364);
        QCOMPARE(newYearsEve.tm_sec, 1);
        QCOMPARE(CaptionTimeFields(MakeTime(9, 15, 2, 2024, 12, 31)).tm_yday, 365); // leap year
    }

    // Each frame starts from the face; the presenter gets the frame and the
    // window's opacity.
    void frameStartsFromTheFaceAndIsPresented() {
        RenderBench bench;
        ThemeModel& theme = bench.state.Theme;
        theme = LineHandsTheme();
        theme.MinColor = 0xFF000000u | kGreen;
        bench.state.FaceBuffer.bits()[0] = 0x80400000u;
        bench.state.FaceBuffer.bits()[kClockPixels - 1] = 0xFF0000FFu;
        bench.state.FrameBuffer.bits()[5] = 0xFFFFFFFFu; // left over from the last frame
        bench.state.CurrentAlpha = 123;

        bench.DrawAt(MakeTime(6, 0, 0));
        const PixelBuffer& frame = bench.state.FrameBuffer;
        QCOMPARE(frame.bits()[0], 0x80400000u);
        QCOMPARE(frame.bits()[kClockPixels - 1], 0xFF0000FFu);
        QCOMPARE(frame.bits()[5], 0u);
        QVERIFY(CoverageOfColour(frame, kGreen).area > 40.0);
        QCOMPARE(bench.presenter.FrameCount(), 1);
        QCOMPARE(bench.presenter.LastAlpha(), 123);
        QCOMPARE(bench.presenter.LastFrame(), frame.image());

        bench.state.Output = nullptr; // no window yet: drawing alone
        bench.DrawAt(MakeTime(6, 30, 0));
        QCOMPARE(bench.presenter.FrameCount(), 1);
    }
};

QTEST_MAIN(TimeRendererTest)
#include "test_time_renderer.moc"
