#pragma once
// The tray icon of a minimised clock: the miniature clock of the shown time,
// with "Tikloom", the long date and the time as its tooltip.

#include "clock/core/clock_time.h"

#include <QObject>
#include <QPoint>

class QSystemTrayIcon;

namespace tikloom {

class TrayClock : public QObject {
    Q_OBJECT
public:
    TrayClock();

    // Draws the miniature and hands it to the tray; false when no system tray
    // takes icons.
    bool Refresh(const ClockTime& time, bool showSecondMark);
    void Remove();

signals:
    void RestoreRequested();
    void MenuRequested(QPoint cursor);

private:
    // Reads the tray's icon size and pixel ratio when they may have changed.
    void ReadTrayPlace(const ClockTime& time);

    QSystemTrayIcon* icon_;
    int largeSize_ = 0;
    qreal ratio_ = 1.0; // device pixels per logical pixel on the tray's screen
    bool sizeFromShownIcon_ = false;
    int sizeMinute_ = -1;
};

} // namespace tikloom
