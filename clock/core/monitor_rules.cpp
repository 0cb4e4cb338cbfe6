#include "clock/core/monitor_rules.h"

#include <algorithm>
#include <cmath>

namespace tikloom {

namespace {

constexpr int kHalfClock = 64;

// One axis of the proportional formula, in floating point.
int Proportional(int newStart, int newLength, int oldStart, int oldLength, int windowStart) {
    const double scale = static_cast<double>(newLength) / oldLength;
    const double value = scale * (windowStart - oldStart + kHalfClock) + newStart - kHalfClock;
    return static_cast<int>(std::round(value)); // std::round takes halves away from zero
}

} // namespace

QPoint ClockCentre(const QRect& windowRect) {
    return {windowRect.left() + kHalfClock, windowRect.top() + kHalfClock};
}

QRect NearestMonitor(const QRect& windowRect, const QVector<QRect>& monitors) {
    const QPoint centre = ClockCentre(windowRect);
    QRect nearest;
    long long best = -1;
    for (const QRect& monitor : monitors) {
        const int dx = std::max({monitor.left() - centre.x(), 0, centre.x() - monitor.right()});
        const int dy = std::max({monitor.top() - centre.y(), 0, centre.y() - monitor.bottom()});
        const long long distance = 1LL * dx * dx + 1LL * dy * dy;
        if (best < 0 || distance < best) {
            best = distance;
            nearest = monitor;
        }
    }
    return nearest;
}

std::optional<QPoint> KeepOnMonitor(const QRect& windowRect, const QVector<QRect>& monitors) {
    const QPoint centre = ClockCentre(windowRect);
    for (const QRect& monitor : monitors) {
        if (monitor.contains(centre))
            return std::nullopt;
    }
    return kFallbackPosition;
}

QPoint PositionAfterDisplayChange(const QRect& rectAtLastMove, const QRect& oldMonitor,
                                  const QRect& newMonitor) {
    if (oldMonitor.width() <= 0 || oldMonitor.height() <= 0)
        return kFallbackPosition;
    return {Proportional(newMonitor.left(), newMonitor.width(), oldMonitor.left(),
                         oldMonitor.width(), rectAtLastMove.left()),
            Proportional(newMonitor.top(), newMonitor.height(), oldMonitor.top(),
                         oldMonitor.height(), rectAtLastMove.top())};
}

} // namespace tikloom
