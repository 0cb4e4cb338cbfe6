#pragma once
// The tray icon of a minimised clock: the miniature clock of the shown time,
// with "Tikloom", the long date and the time as its tooltip. The tray is
// chosen each time the icon is shown: a StatusNotifier tray (D-Bus) first,
// through Qt's tray icon, even where an X11 tray runs too; else an X11 tray,
// which takes a window of our own that the miniature is drawn straight into,
// at the tray's size in device pixels; else Qt's tray icon as it can.
//
// On a StatusNotifier tray one activation restores (the protocol has no
// double click) and the tray shows the menu itself; elsewhere a double click
// restores and the right button asks for the menu at the cursor.

#include "clock/core/clock_time.h"

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <memory>

class QMenu;
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
    // The menu a StatusNotifier tray shows; kept by the caller.
    void SetMenu(QMenu* menu);

signals:
    void RestoreRequested();
    void MenuRequested(QPoint cursor);

private:
    void DrawEmbedded();
    bool RefreshQtIcon();
    // Qt's icon, made when first needed: Qt decides then, once per process,
    // whether its icons go over D-Bus.
    QSystemTrayIcon* QtIcon();
    void OnQtActivated(int reason);
    // Reads the tray's icon size and pixel ratio when they may have changed.
    void ReadTrayPlace();
    void ShowTooltip();
    void HideTooltip();

    ClockTime time_{};
    bool showSecondMark_ = false;
    std::unique_ptr<EmbeddedTrayIcon> embedded_;
    QSystemTrayIcon* icon_ = nullptr;
    bool iconOverDBus_ = false;
    QMenu* menu_ = nullptr;
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
