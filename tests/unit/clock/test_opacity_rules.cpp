// The Ctrl rule and the hover rule of a shown clock, and the opacity they
// choose applied to the frame's pixels.

#include "clock/core/opacity_rules.h"

#include <QtTest>
#include <cmath>

using namespace tikloom;

namespace {

const QRect kWindow(100, 100, 128, 128); // centre (164, 164)
const QPoint kCentre(164, 164);
const QPoint kFarAway(1900, 1000);

AppState Themed(int minAlpha, int maxAlpha) {
    AppState state;
    state.Theme.MinAlpha = minAlpha;
    state.Theme.MaxAlpha = maxAlpha;
    return state;
}

} // namespace

class OpacityRulesTest : public QObject {
    Q_OBJECT

private slots:
    void ctrlFromZeroRisesInSixTicks() {
        AppState state = Themed(50, 200);
        state.CurrentAlpha = 0;
        state.Clickable = false;
        state.Clamp = OpacityClamp::Between;
        QList<int> alphas;
        for (int tick = 0; tick < 6; ++tick) {
            const OpacityChange change = ApplyCtrlRule(state);
            QVERIFY(change.ApplyOpacity);
            QCOMPARE(change.BecomeClickable, tick == 0);
            alphas << state.CurrentAlpha;
        }
        QCOMPARE(alphas, (QList<int>{50, 100, 150, 200, 250, 255}));
        QVERIFY(state.Clickable);
        QCOMPARE(state.Clamp, OpacityClamp::Between); // left alone
        const OpacityChange seventh = ApplyCtrlRule(state);
        QVERIFY(!seventh.ApplyOpacity && !seventh.BecomeClickable);
        QCOMPARE(state.CurrentAlpha, 255);
    }

    void hoverTargetFollowsTheDistance() {
        QCOMPARE(HoverTarget(0.0, 40), 40 - 128);
        QCOMPARE(HoverTarget(64.0, 40), 40);
        QCOMPARE(HoverTarget(64.9, 40), 40);   // truncated
        QCOMPARE(HoverTarget(63.5, 40), 40);   // toward zero, not down
        QCOMPARE(HoverTarget(100.0, 40), 112); // 2 per pixel beyond 64
        QCOMPARE(HoverTarget(10.0, 40), 40 - 108);
    }

    void cursorOnTheCentreSettlesAtMinAlpha() {
        AppState state = Themed(60, 220);
        state.CurrentAlpha = 220;
        state.Clickable = false;
        QList<int> alphas;
        for (int tick = 0; tick < 8; ++tick) {
            ApplyHoverRule(state, kCentre, kWindow);
            alphas << state.CurrentAlpha;
        }
        // Never faster than 30 per tick, then resting at the lower bound.
        QCOMPARE(alphas, (QList<int>{190, 160, 130, 100, 70, 60, 60, 60}));
        QCOMPARE(state.Clamp, OpacityClamp::AtMin);
    }

    void restingAtABoundIsNotAppliedAgain() {
        AppState state = Themed(60, 220);
        state.CurrentAlpha = 70;
        state.Clickable = false;
        state.Clamp = OpacityClamp::Between;
        QVERIFY(ApplyHoverRule(state, kCentre, kWindow).ApplyOpacity); // reaches the bound
        QCOMPARE(state.CurrentAlpha, 60);
        QVERIFY(!ApplyHoverRule(state, kCentre, kWindow).ApplyOpacity);
        QVERIFY(!ApplyHoverRule(state, kCentre, kWindow).ApplyOpacity);

        state.CurrentAlpha = 220;
        state.Clamp = OpacityClamp::AtMax;
        QVERIFY(!ApplyHoverRule(state, kFarAway, kWindow).ApplyOpacity);
        QCOMPARE(state.CurrentAlpha, 220);
    }

    void farAwaySettlesAtMaxAlpha() {
        AppState state = Themed(60, 220);
        state.CurrentAlpha = 0;
        state.Clickable = false;
        state.Clamp = OpacityClamp::AtMin;
        // 2 x (d - 64) is exactly MaxAlpha - MinAlpha at d = 144 (80 px to the right).
        const QPoint edge(164 + 144, 164);
        QList<int> alphas;
        for (int tick = 0; tick < 9; ++tick) {
            ApplyHoverRule(state, edge, kWindow);
            alphas << state.CurrentAlpha;
        }
        // 0 + 30 lies below MinAlpha: clamped up to it first.
        QCOMPARE(alphas, (QList<int>{60, 90, 120, 150, 180, 210, 220, 220, 220}));
        QCOMPARE(state.Clamp, OpacityClamp::Between); // target 220 reached, not clamped
        ApplyHoverRule(state, kFarAway, kWindow);
        QCOMPARE(state.CurrentAlpha, 220);
        QCOMPARE(state.Clamp, OpacityClamp::AtMax);
    }

    void releasingCtrlFarAwayReturnsToMaxAtOnceBelow225() {
        AppState state = Themed(60, 200);
        state.CurrentAlpha = 255;
        state.Clickable = true;
        state.Clamp = OpacityClamp::AtMax; // still from before Ctrl was held
        const OpacityChange change = ApplyHoverRule(state, kFarAway, kWindow);
        QCOMPARE(state.CurrentAlpha, 200);
        QVERIFY(change.BecomeClickThrough);
        QVERIFY(change.ApplyOpacity); // the switch applies it even at a resting bound
        QVERIFY(!state.Clickable);

        AppState high = Themed(60, 240);
        high.CurrentAlpha = 255;
        high.Clickable = false;
        ApplyHoverRule(high, kFarAway, kWindow);
        // Far away the target lies above 255, so the step goes up and clamps at once.
        QCOMPARE(high.CurrentAlpha, 240);
        QCOMPARE(high.Clamp, OpacityClamp::AtMax);

        // Near the clock (target 60 + 2 x 40 = 140) the fall is rate limited instead.
        AppState near = Themed(60, 240);
        near.CurrentAlpha = 255;
        near.Clickable = false;
        ApplyHoverRule(near, QPoint(164 + 104, 164), kWindow);
        QCOMPARE(near.CurrentAlpha, 225);
        QCOMPARE(near.Clamp, OpacityClamp::Between);
    }

    void aClockRestoredUnderThePointerShowsItsMinimumAtOnce() {
        // The pointer rested on the clock when the hot key sent it to the tray.
        AppState state = Themed(60, 220);
        state.CurrentAlpha = 60;
        state.Clickable = false;
        state.Clamp = OpacityClamp::AtMin;
        // Restored, it is presented at 0; the first hover tick must show MinAlpha.
        PrepareFadeIn(state);
        QCOMPARE(state.CurrentAlpha, 0);
        const OpacityChange change = ApplyHoverRule(state, kCentre, kWindow);
        QVERIFY(change.ApplyOpacity);
        QCOMPARE(state.CurrentAlpha, 60);
        QVERIFY(!ApplyHoverRule(state, kCentre, kWindow).ApplyOpacity); // now it rests
    }

    void theFirstHoverTickMakesTheWindowClickThrough() {
        AppState state = Themed(60, 200);
        QVERIFY(state.Clickable); // clickable at creation
        QVERIFY(ApplyHoverRule(state, kFarAway, kWindow).BecomeClickThrough);
        QVERIFY(!ApplyHoverRule(state, kFarAway, kWindow).BecomeClickThrough);
        QVERIFY(ApplyCtrlRule(state).BecomeClickable);
    }

    // Against the exact quotient, for every channel value at every opacity.
    void fadedChannelsRoundToTheNearest() {
        for (uint alpha = 0; alpha <= 255; ++alpha) {
            for (uint channel = 0; channel <= 255; ++channel) {
                const auto exact = static_cast<uint>(std::lround(channel * alpha / 255.0));
                if (FadeChannel(channel, alpha) != exact)
                    QFAIL(qPrintable(QStringLiteral("%1 at %2: %3, not %4")
                                         .arg(channel)
                                         .arg(alpha)
                                         .arg(FadeChannel(channel, alpha))
                                         .arg(exact)));
            }
        }
    }

    void fadedCopyScalesEveryChannelOfTheArea() {
        QImage frame(16, 8, QImage::Format_ARGB32_Premultiplied);
        frame.fill(qRgba(0, 0, 0, 0));
        frame.setPixel(5, 3, qRgba(200, 100, 50, 255));
        frame.setPixel(6, 3, qRgba(3, 2, 1, 3));  // faint edge pixel
        frame.setPixel(15, 7, qRgba(9, 9, 9, 9)); // outside the area
        const QImage faded = FadedCopy(frame, QRect(4, 2, 4, 3), 128);
        QCOMPARE(faded.size(), QSize(4, 3));
        QCOMPARE(faded.format(), QImage::Format_ARGB32_Premultiplied);
        // 200 x 128 / 255 = 100.4, 100 -> 50.2, 50 -> 25.1, 255 -> 128.
        QCOMPARE(faded.pixel(1, 1), qRgba(100, 50, 25, 128));
        // 3 x 128 / 255 = 1.51 -> 2, 2 -> 1.004 -> 1, 1 -> 0.502 -> 1.
        QCOMPARE(faded.pixel(2, 1), qRgba(2, 1, 1, 2));
        QCOMPARE(faded.pixel(0, 0), qRgba(0, 0, 0, 0));
        QCOMPARE(frame.pixel(5, 3), qRgba(200, 100, 50, 255)); // the frame is left alone
    }

    // 255 is the frame itself (Ctrl holds the clock solid), 0 nothing at all;
    // in between no colour ends above its alpha, so the pixels stay premultiplied.
    void fadedCopyAtTheEdgesAndInBetween() {
        QImage frame(64, 4, QImage::Format_ARGB32_Premultiplied);
        for (int x = 0; x < 64; ++x)
            for (int y = 0; y < 4; ++y) {
                const int a = x * 4 + y;
                frame.setPixel(x, y, qRgba(a, a / 2, a / 3, a));
            }
        QCOMPARE(FadedCopy(frame, frame.rect(), kOpaque), frame);
        const QImage none = FadedCopy(frame, frame.rect(), 0);
        for (int x = 0; x < 64; ++x)
            QCOMPARE(none.pixel(x, 3), qRgba(0, 0, 0, 0));
        for (const int alpha : {1, 77, 128, 254}) {
            const QImage faded = FadedCopy(frame, frame.rect(), alpha);
            for (int x = 0; x < 64; ++x)
                for (int y = 0; y < 4; ++y) {
                    const QRgb pixel = faded.pixel(x, y);
                    QVERIFY(qRed(pixel) <= qAlpha(pixel) && qGreen(pixel) <= qAlpha(pixel) &&
                            qBlue(pixel) <= qAlpha(pixel));
                    QCOMPARE(static_cast<uint>(qAlpha(pixel)),
                             FadeChannel(static_cast<uint>(qAlpha(frame.pixel(x, y))),
                                         static_cast<uint>(alpha)));
                }
        }
    }
};

QTEST_GUILESS_MAIN(OpacityRulesTest)
#include "test_opacity_rules.moc"
