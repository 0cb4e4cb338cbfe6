#pragma once
// The tray icon of a minimised clock: the miniature clock of the shown time,
// with "Tikloom", the long date and the time as its tooltip. Where the tray
// takes windows of their own (X11 trays) the miniature is drawn straight into
// such a window, at the tray's size in device pixels; elsewhere Qt's tray
// icon carries it.

#include "clock/core/clock_time.h"

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <memory>

class QSystemTrayIcon;

namespace tikloom {

class EmbeddedTrayIcon;

class TrayClock : public QObject {
    Q_OBJECT
public:
    TrayClock();
    ~TrayClock() override;

    // Draws the miniature and hands it to the tray; false when no system tray
    // takes icons.
    bool Refresh(const ClockTime& time, bool showSecondMark);
    void Remove();

signals:
    void RestoreRequested();
    void MenuRequested(QPoint cursor);

private:
    void DrawEmbedded();
    bool RefreshQtIcon();
    // Reads the tray's icon size and pixel ratio when they may have changed.
    void ReadTrayPlace();
    void ShowTooltip();
    void HideTooltip();

    ClockTime time_{};
    bool showSecondMark_ = false;
    std::unique_ptr<EmbeddedTrayIcon> embedded_;
    QSystemTrayIcon* icon_;
    int largeSize_ = 0;
    qreal ratio_ = 1.0; // device pixels per logical pixel on the tray's screen
    bool sizeFromShownIcon_ = false;
    int sizeMinute_ = -1;
    // The embedded icon's tooltip: shown after the pointer rests on the
    // icon, and only then formatted, once a second.
    QTimer tooltipDelay_;
    bool tooltipShown_ = false;
    QPoint tooltipAt_;
};

} // namespace tikloom
