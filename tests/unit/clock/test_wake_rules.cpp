// When the clock wakes: every 50 ms while something can change, otherwise
// once a second, and never asleep while the hover rule would still act.

#include "clock/core/opacity_rules.h"
#include "clock/core/tick_rules.h"
#include "clock/core/wake_rules.h"

#include <QtTest>

using namespace tikloom;

namespace {

const QRect kWindow(100, 100, 128, 128); // centre (164, 164)
const QPoint kFarAway(900, 700);
const QPoint kOnTheClock(170, 160);
constexpr int kMinAlpha = 40;
constexpr int kMaxAlpha = 180;

// A shown clock, click-through, resting at its highest opacity, real time.
AppState AtRest() {
    AppState state;
    state.Theme.MinAlpha = kMinAlpha;
    state.Theme.MaxAlpha = kMaxAlpha;
    state.CurrentAlpha = kMaxAlpha;
    state.Clamp = OpacityClamp::AtMax;
    state.Clickable = false;
    state.WindowVisible = true;
    state.DisplayedTime.Milliseconds = 300;
    return state;
}

InputAtTick Pointer(QPoint position) {
    InputAtTick input;
    input.Watched = true;
    input.PointerKnown = true;
    input.Pointer = position;
    return input;
}

} // namespace

class WakeRulesTest : public QObject {
    Q_OBJECT

private slots:
    void pointerFarAndSettledSleepsToTheNextSecond() {
        AppState state = AtRest();
        QCOMPARE(NextTickDelay(state, Pointer(kFarAway), kWindow), 705);
        state.DisplayedTime.Milliseconds = 999;
        QCOMPARE(NextTickDelay(state, Pointer(kFarAway), kWindow), 6);
        // The pointer on another screen: no rule runs until it comes back.
        InputAtTick elsewhere = Pointer(kFarAway);
        elsewhere.PointerKnown = false;
        QCOMPARE(NextTickDelay(state, elsewhere, kWindow), 6);
    }

    void anythingThatCanChangeKeepsTheFiftyMillisecondSteps() {
        const AppState rest = AtRest();
        InputAtTick moved = Pointer(kFarAway);
        moved.Changed = true; // a pointer on its way may enter the fade zone
        QCOMPARE(NextTickDelay(rest, moved, kWindow), kTickMs);
        InputAtTick ctrl = Pointer(kFarAway);
        ctrl.CtrlDown = true;
        QCOMPARE(NextTickDelay(rest, ctrl, kWindow), kTickMs);
        InputAtTick polled = Pointer(kFarAway);
        polled.Watched = false; // no events: the pointer must be read each tick
        QCOMPARE(NextTickDelay(rest, polled, kWindow), kTickMs);
        // Inside the zone, at an opacity the hover rule still lowers.
        QCOMPARE(NextTickDelay(rest, Pointer(kOnTheClock), kWindow), kTickMs);

        AppState lapse = AtRest();
        lapse.TimeMode = 2;
        QCOMPARE(NextTickDelay(lapse, Pointer(kFarAway), kWindow), kTickMs);
        AppState afterCtrl = AtRest(); // Ctrl just let go: solid and clickable
        afterCtrl.CurrentAlpha = kOpaque;
        afterCtrl.Clickable = true;
        QCOMPARE(NextTickDelay(afterCtrl, Pointer(kFarAway), kWindow), kTickMs);
        afterCtrl.Clickable = false; // click-through, still fading down to 180
        afterCtrl.Clamp = OpacityClamp::Between;
        QCOMPARE(NextTickDelay(afterCtrl, Pointer(kFarAway), kWindow), kTickMs);
        AppState fadingIn = AtRest(); // back from the tray at opacity 0
        PrepareFadeIn(fadingIn);
        QCOMPARE(NextTickDelay(fadingIn, Pointer(kFarAway), kWindow), kTickMs);
    }

    void minimisedClockSleepsOnceFadedOut() {
        AppState state = AtRest();
        state.Minimized = true;
        const InputAtTick none; // the pointer is not watched while minimised
        QCOMPARE(NextTickDelay(state, none, kWindow), kTickMs); // still fading out
        state.WindowVisible = false;
        QCOMPARE(NextTickDelay(state, none, kWindow), 705);
        state.TimeMode = 1; // the tray icon follows the preview every tick
        QCOMPARE(NextTickDelay(state, none, kWindow), kTickMs);
    }

    // The pointer jumps onto the clock and rests there: the clock steps at
    // 50 ms down to the minimum, and sleeps exactly once the rule is done.
    void pointerRestingOnTheClockSleepsOnceTheFadeEnds() {
        AppState state = AtRest();
        const InputAtTick input = Pointer(kOnTheClock);
        QList<int> steps;
        while (CanChangeBeforeNextSecond(state, input, kWindow) && steps.size() < 20) {
            ApplyHoverRule(state, input.Pointer, kWindow);
            steps << state.CurrentAlpha;
        }
        QCOMPARE(steps, (QList<int>{150, 120, 90, 60, 40}));
        QCOMPARE(state.Clamp, OpacityClamp::AtMin);
    }

    // Whenever the rule lets the clock sleep, a tick would have changed
    // nothing: checked over pointer distances, opacities and resting bounds,
    // including both edges of the fade zone.
    void sleepingNeverSkipsAHoverStep() {
        const QList<OpacityClamp> clamps{OpacityClamp::AtMax, OpacityClamp::AtMin,
                                         OpacityClamp::Between};
        int sleeps = 0;
        for (int dx = 0; dx <= 200; dx += 1) {
            for (int alpha = 0; alpha <= kOpaque; alpha += 5) {
                for (OpacityClamp clamp : clamps) {
                    AppState state = AtRest();
                    state.CurrentAlpha = alpha;
                    state.Clamp = clamp;
                    const InputAtTick input = Pointer(QPoint(164 + dx, 164));
                    if (CanChangeBeforeNextSecond(state, input, kWindow))
                        continue;
                    ++sleeps;
                    const OpacityChange change = ApplyHoverRule(state, input.Pointer, kWindow);
                    QCOMPARE(state.CurrentAlpha, alpha);
                    QCOMPARE(state.Clamp, clamp);
                    QVERIFY(!change.BecomeClickThrough && !change.BecomeClickable);
                }
            }
        }
        QVERIFY(sleeps > 100); // far pointers at rest do sleep
    }
};

QTEST_GUILESS_MAIN(WakeRulesTest)
#include "test_wake_rules.moc"
