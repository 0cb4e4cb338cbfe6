// The tray icon's miniature clock and the tray tooltip.

#include "clock/core/tooltip_text.h"
#include "clock/core/tray_icon_drawing.h"

#include <QtTest>

using namespace tikloom;

namespace {

ClockTime At(uint16_t hour, uint16_t minute, uint16_t second) {
    ClockTime t;
    t.Year = 2024;
    t.Month = 3;
    t.Day = 5;
    t.DayOfWeek = 2;
    t.Hour = hour;
    t.Minute = minute;
    t.Second = second;
    return t;
}

QColor Pixel(const QImage& icon, int x, int y) {
    return QColor::fromRgba(icon.pixel(x, y)); // unpremultiplied
}

bool IsRed(const QColor& c) {
    return c.red() > 200 && c.green() < 80 && c.alpha() > 200;
}

bool IsDialWhite(const QColor& c) {
    return c.red() > 240 && c.green() > 240 && c.blue() > 240 && c.alpha() > 230;
}

} // namespace

class TrayIconDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void radiusIsHalfTheSizeLessHalfAPixel() {
        QCOMPARE(TrayClockRadius(16), 7.5F);
        QCOMPARE(TrayClockRadius(32), 15.5F);
    }

    void threeOClockOnTheSmallIcon() {
        const QImage icon = DrawTrayClock(At(3, 0, 0), true);
        QCOMPARE(icon.size(), QSize(16, 16));
        // Corners lie outside the round dial.
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(15, 15)), 0);
        // Dial: nearly opaque white away from the hands.
        QVERIFY(IsDialWhite(Pixel(icon, 4, 11)));
        QVERIFY(Pixel(icon, 4, 11).alpha() < 255);
        // Hour hand points right from the centre (8, 8), half the radius long, blue-grey.
        const QColor hour = Pixel(icon, 10, 8);
        QVERIFY2(hour.blue() > hour.red() + 40, qPrintable(hour.name(QColor::HexArgb)));
        QVERIFY(IsDialWhite(Pixel(icon, 13, 8))); // ends before the rim
        // Minute hand points straight up.
        const QColor minute = Pixel(icon, 8, 3);
        QVERIFY2(minute.red() < 160 && minute.alpha() > 200,
                 qPrintable(minute.name(QColor::HexArgb)));
        QVERIFY(IsDialWhite(Pixel(icon, 8, 12))); // nothing below the centre
        // Second mark at the rim at twelve.
        QVERIFY(IsRed(Pixel(icon, 8, 1)));
        QVERIFY(IsRed(Pixel(icon, 7, 1)));
    }

    void noSecondHandMeansNoRedMark() {
        const QImage icon = DrawTrayClock(At(3, 0, 0), false);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                QVERIFY2(!IsRed(Pixel(icon, x, y)),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }

    void secondMarkFollowsTheSeconds() {
        // 45 seconds: the mark is at nine o'clock, left edge, middle row.
        const QImage icon = DrawTrayClock(At(3, 0, 45), true);
        QVERIFY(IsRed(Pixel(icon, 1, 8)));
        QVERIFY(!IsRed(Pixel(icon, 8, 1)));
    }

    void minuteHandMovesWithTheSeconds() {
        // 12:15:30 the minute hand leans just past three o'clock; hour hand near twelve.
        const QImage icon = DrawTrayClock(At(12, 15, 30), false);
        QVERIFY(Pixel(icon, 13, 8).red() < 160);
        QVERIFY(IsDialWhite(Pixel(icon, 8, 13)));
    }

    void largeIconsKeepThePicture() {
        const QImage icon = DrawTrayClock(At(3, 0, 0), true, 32);
        QCOMPARE(icon.size(), QSize(32, 32));
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QVERIFY(IsDialWhite(Pixel(icon, 8, 22)));
        QVERIFY(IsRed(Pixel(icon, 16, 2)));
        QVERIFY(Pixel(icon, 20, 16).blue() > Pixel(icon, 20, 16).red() + 40);
    }

    // The dial is drawn once per size and reused: one second's hands never
    // stay on the next second's icon, and a change of tray size redraws it.
    void eachIconStartsFromACleanDial() {
        const QImage first = DrawTrayClock(At(3, 0, 0), true);
        const QImage later = DrawTrayClock(At(9, 30, 45), true);
        QVERIFY(later != first);
        QCOMPARE(DrawTrayClock(At(3, 0, 0), true), first); // no hands of 9:30:45 left over
        const QImage large = DrawTrayClock(At(3, 0, 0), true, 32);
        const QImage larger = DrawTrayClock(At(3, 0, 0), true, 48);
        QCOMPARE(larger.size(), QSize(48, 48));
        QVERIFY(IsDialWhite(Pixel(larger, 12, 34)));
        QCOMPARE(qAlpha(larger.pixel(47, 47)), 0);
        QCOMPARE(DrawTrayClock(At(3, 0, 0), true, 32), large);
        QCOMPARE(DrawTrayClock(At(3, 0, 0), true), first);
    }

    void trayTooltipHasThreeLines() {
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QStringList lines = TrayTooltipText(At(15, 4, 5), english).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("Tikloom"));
        QCOMPARE(lines[1], QStringLiteral("Tuesday, March 5, 2024"));
        QCOMPARE(lines[2], QStringLiteral("3:04:05 PM"));
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(TrayTooltipText(At(15, 4, 5), german),
                 QStringLiteral("Tikloom\nDienstag, 5. März 2024\n15:04:05"));
    }

    void tooltipWithoutADateIsSafe() {
        const ClockTime unset;
        QCOMPARE(LongDateText(unset, QLocale::c()), QString());
        QVERIFY(TrayTooltipText(unset, QLocale::c()).startsWith(QStringLiteral("Tikloom\n\n")));
    }
};

QTEST_GUILESS_MAIN(TrayIconDrawingTest)
#include "test_tray_icon_drawing.moc"
