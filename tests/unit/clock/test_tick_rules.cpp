// The tick's time modes, its redraw decision and the fade-out to the tray.

#include "clock/core/tick_rules.h"

#include <QtTest>

using namespace tikloom;

namespace {

ClockTime At(uint16_t hour, uint16_t minute, uint16_t second) {
    ClockTime t;
    t.Year = 2024;
    t.Month = 12;
    t.Day = 31;
    t.DayOfWeek = 2;
    t.Hour = hour;
    t.Minute = minute;
    t.Second = second;
    return t;
}

QString Hms(const ClockTime& t) {
    return QStringLiteral("%1:%2:%3").arg(t.Hour).arg(t.Minute).arg(t.Second);
}

} // namespace

class TickRulesTest : public QObject {
    Q_OBJECT

private slots:
    void realTimeCopiesNow() {
        ClockTime shown = At(1, 2, 3);
        const ClockTime now = At(14, 15, 16);
        AdvanceTime(shown, 0, now);
        QCOMPARE(Hms(shown), QStringLiteral("14:15:16"));
        QCOMPARE(shown.Day, now.Day);
    }

    void fastModeCarriesThroughMidnightWithoutChangingTheDate() {
        ClockTime shown = At(23, 59, 58);
        const ClockTime unused = At(5, 5, 5);
        AdvanceTime(shown, 1, unused);
        QCOMPARE(Hms(shown), QStringLiteral("23:59:59"));
        AdvanceTime(shown, 1, unused);
        QCOMPARE(Hms(shown), QStringLiteral("0:0:0"));
        QCOMPARE(shown.Day, uint16_t(31));
        QCOMPARE(shown.Month, uint16_t(12));
        AdvanceTime(shown, 1, unused);
        QCOMPARE(Hms(shown), QStringLiteral("0:0:1"));
    }

    void minuteModeStepsMinuteForwardAndSecondBack() {
        ClockTime shown = At(10, 58, 0);
        const ClockTime unused;
        AdvanceTime(shown, 2, unused);
        QCOMPARE(Hms(shown), QStringLiteral("10:59:59"));
        AdvanceTime(shown, 2, unused);
        QCOMPARE(Hms(shown), QStringLiteral("11:0:58"));
        shown = At(23, 59, 30);
        AdvanceTime(shown, 2, unused);
        QCOMPARE(Hms(shown), QStringLiteral("0:0:29"));
        QCOMPARE(shown.Day, uint16_t(31));
    }

    void fourMinuteModeAdvancesTheHourWhenMinutesWrap() {
        ClockTime shown = At(7, 52, 10);
        const ClockTime unused;
        AdvanceTime(shown, 3, unused);
        QCOMPARE(Hms(shown), QStringLiteral("7:56:9"));
        AdvanceTime(shown, 3, unused);
        QCOMPARE(Hms(shown), QStringLiteral("8:0:8"));
        shown = At(7, 58, 0);
        AdvanceTime(shown, 3, unused);
        QCOMPARE(Hms(shown), QStringLiteral("8:2:59"));
        shown = At(23, 57, 0);
        AdvanceTime(shown, 3, unused);
        QCOMPARE(Hms(shown), QStringLiteral("0:1:59"));
    }

    void fourPressesOfTReturnToRealTime() {
        int mode = 0;
        QList<int> seen;
        for (int press = 0; press < 4; ++press) {
            mode = NextTimeMode(mode);
            seen << mode;
        }
        QCOMPARE(seen, (QList<int>{1, 2, 3, 0}));
        // The very next tick in mode 0 reads the real time again.
        ClockTime shown = At(3, 3, 3);
        AdvanceTime(shown, mode, At(9, 9, 9));
        QCOMPARE(Hms(shown), QStringLiteral("9:9:9"));
    }

    void withSecondHandEveryNewSecondRedraws() {
        AppState state;
        state.Theme.ShowSecHand = true;
        state.LastSecond = 0;
        state.DisplayedTime.Second = 0;
        QVERIFY(!TakeNewSecond(state)); // the same second: nothing new
        state.DisplayedTime.Second = 7;
        QVERIFY(TakeNewSecond(state));
        QCOMPARE(state.LastSecond, uint16_t(7));
        QVERIFY(!TakeNewSecond(state));
    }

    void withoutSecondHandOnlyMultiplesOfTenRedraw() {
        AppState state;
        state.Theme.ShowSecHand = false;
        QList<int> redrawn;
        for (int tick = 1; tick <= 120; ++tick) {
            state.DisplayedTime.Second = static_cast<uint16_t>(tick % 60);
            if (TakeNewSecond(state))
                redrawn << state.DisplayedTime.Second;
        }
        QCOMPARE(redrawn, (QList<int>{10, 20, 30, 40, 50, 0, 10, 20, 30, 40, 50, 0}));
        // A second that changed but is not redrawn is still recorded.
        state.DisplayedTime.Second = 3;
        QVERIFY(!TakeNewSecond(state));
        QCOMPARE(state.LastSecond, uint16_t(3));
    }

    void minimisingFrom178FadesOutInFourTicks() {
        AppState state;
        state.CurrentAlpha = 178;
        state.WindowVisible = true;
        QList<int> alphas;
        for (int tick = 0; tick < 3; ++tick) {
            const FadeOutStep step = FadeOut(state);
            QVERIFY(step.ApplyOpacity);
            QVERIFY(!step.Hide);
            alphas << state.CurrentAlpha;
        }
        QCOMPARE(alphas, (QList<int>{128, 78, 28}));
        const FadeOutStep fourth = FadeOut(state);
        QVERIFY(fourth.Hide);
        QCOMPARE(state.CurrentAlpha, 0);
        QVERIFY(!state.WindowVisible);
        // Hidden: later ticks ask nothing more of the window.
        const FadeOutStep later = FadeOut(state);
        QVERIFY(!later.Hide && !later.ApplyOpacity);
    }

    void fadeReachingZeroExactlyStillHides() {
        AppState state;
        state.CurrentAlpha = 100;
        state.WindowVisible = true;
        QVERIFY(!FadeOut(state).Hide);
        const FadeOutStep step = FadeOut(state);
        QCOMPARE(state.CurrentAlpha, 0);
        QVERIFY(step.Hide);
        QVERIFY(!state.WindowVisible);
    }

    void shownWindowAtZeroIsHidden() {
        AppState state;
        state.CurrentAlpha = 0;
        state.WindowVisible = true;
        QVERIFY(FadeOut(state).Hide);
    }
};

QTEST_GUILESS_MAIN(TickRulesTest)
#include "test_tick_rules.moc"
