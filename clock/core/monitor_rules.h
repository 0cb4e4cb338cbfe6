#pragma once
// Rules that keep the clock on a monitor: a clock whose centre lies on no
// monitor goes to (10, 10), and after a change of the display the clock's
// centre keeps its relative place on its monitor.

#include <QPoint>
#include <QRect>
#include <QVector>
#include <optional>

namespace tikloom {

constexpr QPoint kFallbackPosition{10, 10};

// The window's centre: (left + 64, top + 64).
QPoint ClockCentre(const QRect& windowRect);

// The monitor nearest to the window: the one holding its centre, else the
// one whose rectangle lies closest to the centre (the first of equals). An
// empty rectangle when there are no monitors.
QRect NearestMonitor(const QRect& windowRect, const QVector<QRect>& monitors);

// The position the window must move to, or nothing when its centre lies on
// one of the monitors. Monitor rectangles are whole-monitor geometries.
std::optional<QPoint> KeepOnMonitor(const QRect& windowRect, const QVector<QRect>& monitors);

// Where the window goes after a display change: its centre keeps its
// proportional place from the old monitor rectangle to the new one, rounded
// to the nearest pixel with halves away from zero. An empty old rectangle
// (no move recorded yet) gives the fallback position.
QPoint PositionAfterDisplayChange(const QRect& rectAtLastMove, const QRect& oldMonitor,
                                  const QRect& newMonitor);

} // namespace tikloom
