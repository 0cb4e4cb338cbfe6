#pragma once
// The running clock: its state, window, tick, tray icon, menus, hot key and
// the commands between them. Plain rules live in clock/core; this class
// feeds them the pointer, the screens and the time and carries out what they
// decide.

#include "clock/core/app_state.h"
#include "clock/platform/pointer_query.h"

#include <QObject>
#include <QPoint>
#include <QProcessEnvironment>
#include <QTimer>
#include <memory>

namespace tikloom {

class ClockMenus;
class ClockWindow;
class CompositorWatch;
class HotKey;
class InputWatch;
class SaveAtExit;
class StopSignals;
class TrayClock;

class ClockApp : public QObject {
    Q_OBJECT
public:
    // childEnvironment: the environment of programs the clock starts.
    ClockApp(const ProgramLayout& layout, bool shiftHeld,
             const QProcessEnvironment& childEnvironment);
    ~ClockApp() override;

    // Start-up after the settings: window, hot key, monitor rule, drawing,
    // tick, theme, then shown or in the tray.
    void Start();
    // The reload request of a second start or of the customizer.
    void Reload();

private:
    void Tick();
    void MinimizedTick();
    void ShownTick();
    void ScheduleTick();
    void Wake();
    void Resume(int delayMs);

    void Minimize();
    void Restore();
    void ToggleMinimized();
    void ShowContextMenu(QPoint globalPosition);
    void ShowTrayMenu(QPoint cursor);
    void ShowAbout();
    void Customize();
    void Exit();
    void SaveWindow();

    void ApplyKeepOnMonitor();
    void ApplyDisplayChange();
    void MoveTo(QPoint position);
    void RememberPosition(QPoint position);
    void RecordMove();
    void ApplyOpacity();
    void ApplyMenuTexts();
    QRect WindowRect() const;
    QRect RequestedRect() const;

    AppState state_;
    QProcessEnvironment childEnvironment_;
    std::unique_ptr<ClockWindow> window_;
    std::unique_ptr<ClockMenus> menus_;
    std::unique_ptr<TrayClock> tray_;
    std::unique_ptr<HotKey> hotKey_;
    std::unique_ptr<CompositorWatch> compositor_;
    std::unique_ptr<StopSignals> stopSignals_;
    std::unique_ptr<SaveAtExit> saveAtExit_;
    std::unique_ptr<InputWatch> input_;
    QTimer tick_;
    // Sleeping: the tick waits for the next second, as nothing else can
    // change before it unless the input or a command wakes it.
    bool sleeping_ = false;
    bool readPointerNow_ = false; // woken: the reading asked before the sleep is stale
    PointerState pointer_;        // the last reading
    QTimer displayChange_;        // screens report a change in several signals: act once
    bool exiting_ = false;
};

} // namespace tikloom
