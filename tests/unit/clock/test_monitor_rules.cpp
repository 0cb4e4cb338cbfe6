// Keep-on-monitor, the display-change formula, and when a drag gives way to
// the window manager's move.

#include "clock/core/drag_rules.h"
#include "clock/core/monitor_rules.h"

#include <QtTest>

using namespace tikloom;

class MonitorRulesTest : public QObject {
    Q_OBJECT

private slots:
    void centreOnAMonitorStaysPut() {
        const QVector<QRect> monitors{QRect(0, 0, 1024, 768)};
        QVERIFY(!KeepOnMonitor(QRect(100, 100, 128, 128), monitors));
        // Half off the edge, but the centre (1023, 767) still on the monitor.
        QVERIFY(!KeepOnMonitor(QRect(959, 703, 128, 128), monitors));
    }

    void centreOnNoMonitorGoesToTenTen() {
        const QVector<QRect> monitors{QRect(0, 0, 1024, 768)};
        // Centre (1024, 768) is just past the right and bottom edges.
        QCOMPARE(KeepOnMonitor(QRect(960, 704, 128, 128), monitors), kFallbackPosition);
        QCOMPARE(KeepOnMonitor(QRect(-500, 10, 128, 128), monitors), QPoint(10, 10));
        QCOMPARE(KeepOnMonitor(QRect(3000, 3000, 128, 128), {}), QPoint(10, 10));
    }

    void aMonitorLeftOfThePrimaryKeepsANegativePosition() {
        const QVector<QRect> monitors{QRect(0, 0, 1024, 768), QRect(-1280, 0, 1280, 1024)};
        QVERIFY(!KeepOnMonitor(QRect(-500, 10, 128, 128), monitors));
    }

    void doublingTheResolutionMovesOneHundredTo264() {
        const QPoint moved = PositionAfterDisplayChange(
            QRect(100, 100, 128, 128), QRect(0, 0, 1024, 768), QRect(0, 0, 2048, 1536));
        QCOMPARE(moved, QPoint(264, 264));
    }

    void offsetMonitorsKeepTheRelativePlace() {
        // Centre at the middle of a 1000 x 800 monitor at (1000, 0) stays at the middle
        // of the same monitor grown to 1600 x 1200.
        const QPoint moved = PositionAfterDisplayChange(
            QRect(1436, 336, 128, 128), QRect(1000, 0, 1000, 800), QRect(1000, 0, 1600, 1200));
        QCOMPARE(moved, QPoint(1736, 536));
    }

    void halvesRoundAwayFromZero() {
        // x: 1.5 x (1 + 64) - 64 = 33.5 -> 34; y: 1.5 x (-129 + 64) - 64 = -161.5 -> -162.
        const QPoint moved = PositionAfterDisplayChange(
            QRect(1, -129, 128, 128), QRect(0, 0, 100, 100), QRect(0, 0, 150, 150));
        QCOMPARE(moved, QPoint(34, -162));
    }

    void noRecordedMoveGivesTheFallback() {
        QCOMPARE(PositionAfterDisplayChange(QRect(), QRect(), QRect(0, 0, 1920, 1080)),
                 QPoint(10, 10));
    }

    void nearestMonitorHoldsTheCentreElseLiesClosest() {
        const QVector<QRect> monitors{QRect(0, 0, 1024, 768), QRect(1024, 0, 1280, 1024)};
        QCOMPARE(NearestMonitor(QRect(1100, 100, 128, 128), monitors), monitors[1]);
        // Centre (900, 800) lies on neither: 33 px below the first, 124 px left of the second.
        QCOMPARE(NearestMonitor(QRect(836, 736, 128, 128), monitors), monitors[0]);
        QCOMPARE(NearestMonitor(QRect(-500, 100, 128, 128), monitors), monitors[0]);
        QCOMPARE(NearestMonitor(QRect(0, 0, 128, 128), {}), QRect());
    }

    // Motion events of a drag from (100, 100): the server reports the window's
    // origin, the drag asks for the target.
    void aDragWhoseMovesAreCarriedOutNeverGivesWay() {
        ManualDrag drag{QPoint(100, 100)};
        // The window manager is slow with the first move, then follows.
        QCOMPARE(NextDragStep(drag, QPoint(100, 100), QPoint(110, 100), 1000),
                 DragStep::MoveWindow);
        QCOMPARE(NextDragStep(drag, QPoint(100, 100), QPoint(120, 100), 1200),
                 DragStep::MoveWindow);
        QCOMPARE(NextDragStep(drag, QPoint(110, 100), QPoint(130, 100), 1300),
                 DragStep::MoveWindow);
        // Back at the start long after: it was moved, so moves work.
        QCOMPARE(NextDragStep(drag, QPoint(100, 100), QPoint(140, 100), 5000),
                 DragStep::MoveWindow);
    }

    void aDragWhoseMovesAreIgnoredGivesWayAfterTheAnswerTime() {
        ManualDrag drag{QPoint(100, 100)};
        QCOMPARE(NextDragStep(drag, QPoint(100, 100), QPoint(110, 100), 1000),
                 DragStep::MoveWindow);
        QCOMPARE(NextDragStep(drag, QPoint(100, 100), QPoint(120, 100), 1000 + kMoveAnswerMs - 1),
                 DragStep::MoveWindow);
        QCOMPARE(NextDragStep(drag, QPoint(100, 100), QPoint(130, 100), 1000 + kMoveAnswerMs),
                 DragStep::HandToWindowManager);
    }

    // A pointer brought back to the press point asks for no move at all:
    // the window sitting there proves nothing.
    void aTargetAtTheStartIsNoUnansweredMove() {
        ManualDrag drag{QPoint(100, 100)};
        QCOMPARE(NextDragStep(drag, QPoint(100, 100), QPoint(110, 100), 1000),
                 DragStep::MoveWindow);
        QCOMPARE(NextDragStep(drag, QPoint(100, 100), QPoint(100, 100), 2000),
                 DragStep::MoveWindow);
        QCOMPARE(NextDragStep(drag, QPoint(100, 100), QPoint(101, 100), 2050),
                 DragStep::HandToWindowManager);
    }
};

QTEST_GUILESS_MAIN(MonitorRulesTest)
#include "test_monitor_rules.moc"
