#include "clock/platform/clock_app.h"

#include "clock/core/cached_local_time.h"
#include "clock/core/load_theme.h"
#include "clock/core/menu_texts.h"
#include "clock/core/monitor_rules.h"
#include "clock/core/opacity_rules.h"
#include "clock/core/render_local_time.h"
#include "clock/core/settings.h"
#include "clock/core/tick_rules.h"
#include "clock/core/time_renderer.h"
#include "clock/core/tooltip_text.h"
#include "clock/core/trim_memory.h"
#include "clock/core/wake_rules.h"
#include "clock/platform/clock_menus.h"
#include "clock/platform/clock_window.h"
#include "clock/platform/compositor_watch.h"
#include "clock/platform/hot_key.h"
#include "clock/platform/input_watch.h"
#include "clock/platform/program_icon.h"
#include "clock/platform/save_at_exit.h"
#include "clock/platform/stop_signals.h"
#include "clock/platform/tray_clock.h"
#include "common/language_choice.h"

#include <QApplication>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>

namespace tikloom {

namespace {

const char kAboutCaption[] = "About Tikloom";
const char kAboutText[] = "Tikloom 1.0 \u2014 a themable analog desktop clock.\n\n"
                          "Hold Ctrl to make the clock solid: drag it to move it, double-click "
                          "it to send it to the tray, right-click it for this menu.\n\n"
                          "Copyright (C) 2026 The Tikloom developers. Released under the MIT "
                          "licence.";
const char kCustomizerMissingCaption[] = "Tikloom";
const char kCustomizerMissing[] =
    "To customize Tikloom, please download \"Tikloom Customizer\" in the Tikloom folder.";
const char kCustomizerName[] = "tikstyle";
constexpr int kAboutIconSize = 48;
// A pointer reading asked for at the previous tick is still good; an older
// one (after a stay in the tray) is not.
constexpr int kFreshPointerMs = 2 * kTickMs;
// Asleep, the clock takes the reading asked for a second before: a pointer
// warped by a program need not have made any event, and a reading that old
// still finds it without waiting on the X server.
constexpr int kSleepingPointerMs = 1000 + 2 * kTickMs;
// Woken by the input: no answer asked for earlier is young enough.
constexpr int kReadNow = -1;

QVector<QRect> MonitorRects() {
    QVector<QRect> rects;
    for (const QScreen* screen : QGuiApplication::screens())
        rects << screen->geometry();
    return rects;
}

} // namespace

ClockApp::ClockApp(const ProgramLayout& layout, bool shiftHeld,
                   const QProcessEnvironment& childEnvironment)
    : childEnvironment_(childEnvironment) {
    state_.Layout = layout;
    state_.LocalTime = CachedLocalTime();
    ReadSettings(layout.SettingsFolder, shiftHeld, state_);
}

ClockApp::~ClockApp() = default;

void ClockApp::Start() {
    // The window with its menus and their language texts.
    window_ = std::make_unique<ClockWindow>();
    window_->setWindowIcon(ProgramIcon());
    window_->SetCursors(OpenHandCursor(), ClosedHandCursor());
    window_->Place(QPoint(state_.WindowLeft, state_.WindowTop));
    menus_ = std::make_unique<ClockMenus>();
    ApplyMenuTexts();
    tray_ = std::make_unique<TrayClock>();
    tray_->SetMenu(menus_->TrayMenu()); // shown by trays that place menus themselves

    connect(window_.get(), &ClockWindow::MinimizeRequested, this, &ClockApp::Minimize);
    connect(window_.get(), &ClockWindow::ContextMenuRequested, this, &ClockApp::ShowContextMenu);
    connect(window_.get(), &ClockWindow::TimeModeKeyPressed, this, [this] {
        state_.TimeMode = NextTimeMode(state_.TimeMode);
        Wake();
    });
    connect(window_.get(), &ClockWindow::Moved, this, &ClockApp::RecordMove);
    connect(window_.get(), &ClockWindow::DraggedBy, this, [this](QPoint travel) {
        RememberPosition(QPoint(state_.WindowLeft, state_.WindowTop) + travel);
    });
    connect(window_.get(), &ClockWindow::DraggedTo, this, &ClockApp::RememberPosition);
    connect(window_.get(), &ClockWindow::CloseRequested, this, &ClockApp::Exit);
    connect(window_.get(), &ClockWindow::PixelRatioChanged, this,
            [this](double ratio) { UsePixelRatio(state_, ratio); });
    window_->SetTooltipText(
        [this] { return LongDateText(state_.DisplayedTime, QLocale::system()); });
    connect(menus_.get(), &ClockMenus::MinimizeChosen, this, &ClockApp::Minimize);
    connect(menus_.get(), &ClockMenus::RestoreChosen, this, &ClockApp::Restore);
    connect(menus_.get(), &ClockMenus::CustomizeChosen, this, &ClockApp::Customize);
    connect(menus_.get(), &ClockMenus::AboutChosen, this, &ClockApp::ShowAbout);
    connect(menus_.get(), &ClockMenus::ExitChosen, this, &ClockApp::Exit);
    connect(tray_.get(), &TrayClock::RestoreRequested, this, &ClockApp::Restore);
    connect(tray_.get(), &TrayClock::MenuRequested, this, &ClockApp::ShowTrayMenu);

    hotKey_ = std::make_unique<HotKey>();
    hotKey_->Register(state_.MinimizeShortcutModifier, state_.MinimizeShortcutKey);
    connect(hotKey_.get(), &HotKey::Pressed, this, &ClockApp::ToggleMinimized);

    ApplyKeepOnMonitor();
    RecordMove();

    compositor_ = std::make_unique<CompositorWatch>();
    window_->SetCompositorActive(compositor_->Active());
    connect(compositor_.get(), &CompositorWatch::Changed, window_.get(),
            &ClockWindow::SetCompositorActive);

    input_ = std::make_unique<InputWatch>();
    connect(input_.get(), &InputWatch::Changed, this, &ClockApp::Wake);

    // Drawing: frames go to the window; the first one is drawn at opacity 0.
    state_.Output = window_.get();
    state_.CurrentAlpha = 0;
    tick_.setTimerType(Qt::PreciseTimer);
    tick_.setSingleShot(true);
    connect(&tick_, &QTimer::timeout, this, &ClockApp::Tick);
    tick_.start(kTickMs);
    // At the density of the screen it starts on; at ratio 1 the buffers are
    // already right and the theme is loaded into them.
    if (!UsePixelRatio(state_, window_->PixelRatio()))
        LoadTheme(state_);

    displayChange_.setSingleShot(true);
    connect(&displayChange_, &QTimer::timeout, this, &ClockApp::ApplyDisplayChange);
    const auto watchScreen = [this](QScreen* screen) {
        connect(screen, &QScreen::geometryChanged, &displayChange_, qOverload<>(&QTimer::start));
    };
    for (QScreen* screen : QGuiApplication::screens())
        watchScreen(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, [this, watchScreen](QScreen* screen) {
        watchScreen(screen);
        displayChange_.start();
    });
    connect(qApp, &QGuiApplication::screenRemoved, &displayChange_, qOverload<>(&QTimer::start));

    // The session ends, a stop signal arrives or the display goes away: the
    // window section is saved.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &ClockApp::SaveWindow);
    stopSignals_ = std::make_unique<StopSignals>();
    connect(stopSignals_.get(), &StopSignals::StopRequested, this, &ClockApp::Exit);
    saveAtExit_ = std::make_unique<SaveAtExit>([this] { SaveWindow(); });

    if (state_.Minimized) {
        tray_->Refresh(state_.DisplayedTime, state_.Theme.ShowSecHand);
        TrimMemory();
    } else {
        window_->show();
        state_.WindowVisible = true;
        input_->SetWatching(true);
    }
}

void ClockApp::Reload() {
    ApplyKeepOnMonitor();
    LoadTheme(state_);
    ApplyMenuTexts();
    Wake(); // new opacity bounds
}

void ClockApp::StartShown() {
    state_.Minimized = false;
}

void ClockApp::ApplyMenuTexts() {
    const QString file = ChooseClockLanguageFile(state_.Layout, UserLanguageAbbreviation());
    menus_->ApplyTexts(LoadMenuTexts(file));
}

// --- The tick -------------------------------------------------------------

void ClockApp::Tick() {
    AdvanceTime(state_.DisplayedTime, state_.TimeMode, RenderLocalTime(state_));
    if (state_.Minimized)
        MinimizedTick();
    else
        ShownTick();
    if (!exiting_)
        ScheduleTick();
}

void ClockApp::MinimizedTick() {
    const FadeOutStep step = FadeOut(state_);
    if (step.ApplyOpacity)
        ApplyOpacity();
    if (step.Hide)
        window_->hide();
    if (TakeNewSecond(state_))
        tray_->Refresh(state_.DisplayedTime, state_.Theme.ShowSecHand);
}

void ClockApp::ShownTick() {
    if (TakeNewSecond(state_))
        DrawTime(state_);
    int maxAgeMs = kFreshPointerMs;
    if (readPointerNow_)
        maxAgeMs = kReadNow;
    else if (sleeping_)
        maxAgeMs = kSleepingPointerMs;
    pointer_ = PollPointer(maxAgeMs);
    if (input_->PointerOutOfSight())
        pointer_.Position = kPointerOutOfSight;
    readPointerNow_ = false;
    OpacityChange change;
    if (pointer_.CtrlDown)
        change = ApplyCtrlRule(state_);
    else if (pointer_.Known)
        change = ApplyHoverRule(state_, pointer_.Position, WindowRect());
    else
        return; // pointer unknown (another screen): nothing changes this tick
    if (change.BecomeClickable)
        window_->SetClickThrough(false);
    if (change.BecomeClickThrough)
        window_->SetClickThrough(true);
    if (change.ApplyOpacity)
        ApplyOpacity();
}

// Every 50 ms while anything can change before the next second, otherwise
// asleep until it turns, with the input watch armed to wake the clock.
void ClockApp::ScheduleTick() {
    InputAtTick input;
    if (!state_.Minimized) {
        input.Watched = input_->Available();
        input.Changed = input_->TakeChanges();
        input.PointerKnown = pointer_.Known;
        input.Pointer = pointer_.Position;
        input.CtrlDown = pointer_.CtrlDown;
    }
    const NextTick next = PlanNextTick(state_, input, WindowRect());
    sleeping_ = next.Asleep;
    input_->SetSleeping(sleeping_);
    tick_.start(next.DelayMs);
}

// The input changed, or a command did something the next tick must act on.
void ClockApp::Wake() {
    if (sleeping_)
        Resume(0);
}

void ClockApp::Resume(int delayMs) {
    sleeping_ = false;
    readPointerNow_ = true;
    input_->SetSleeping(false);
    tick_.start(delayMs);
}

void ClockApp::ApplyOpacity() {
    window_->Present(nullptr, state_.CurrentAlpha);
}

// Where the window really is, for the pointer's distance.
QRect ClockApp::WindowRect() const {
    return QRect(window_->pos(), window_->size());
}

// Where the clock asked the window to be.
QRect ClockApp::RequestedRect() const {
    return QRect(state_.WindowLeft, state_.WindowTop, kClockSize, kClockSize);
}

// --- Minimize and restore --------------------------------------------------

void ClockApp::Minimize() {
    if (!state_.Minimized && tray_->Refresh(state_.DisplayedTime, state_.Theme.ShowSecHand)) {
        state_.Minimized = true;
        input_->SetWatching(false);
        Wake(); // the fade-out
    }
    TrimMemory();
}

void ClockApp::Restore() {
    if (state_.Minimized) {
        PrepareFadeIn(state_);
        tray_->Remove();
        DrawTime(state_);
        window_->show();
        state_.WindowVisible = true;
        state_.Minimized = false;
        input_->SetWatching(true);
        Resume(kTickMs); // back from a sleep of up to a second
    }
    TrimMemory();
}

void ClockApp::ToggleMinimized() {
    if (state_.Minimized)
        Restore();
    else
        Minimize();
}

// --- Menus and commands ----------------------------------------------------

void ClockApp::ShowContextMenu(QPoint globalPosition) {
    menus_->ContextMenu()->popup(globalPosition);
}

void ClockApp::ShowTrayMenu(QPoint cursor) {
    // The menu opens with its right edge at the cursor.
    QMenu* menu = menus_->TrayMenu();
    menu->popup(QPoint(cursor.x() - menu->sizeHint().width(), cursor.y()));
}

void ClockApp::ShowAbout() {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAboutCaption),
                    QString::fromUtf8(kAboutText), QMessageBox::Ok, window_.get());
    box.setIconPixmap(ProgramIcon().pixmap(kAboutIconSize, kAboutIconSize));
    box.exec(); // the tick goes on meanwhile
}

void ClockApp::Customize() {
    QProcess customizer;
    customizer.setProgram(state_.Layout.ProgramFolder + QLatin1String(kCustomizerName));
    customizer.setWorkingDirectory(state_.Layout.ProgramFolder);
    customizer.setProcessEnvironment(childEnvironment_);
    if (!customizer.startDetached()) {
        QMessageBox::information(window_.get(), QString::fromLatin1(kCustomizerMissingCaption),
                                 QString::fromLatin1(kCustomizerMissing));
    }
}

void ClockApp::Exit() {
    if (exiting_)
        return;
    exiting_ = true;
    tick_.stop();
    hotKey_->Unregister();
    if (state_.Minimized)
        tray_->Remove();
    SaveWindow();
    saveAtExit_->Disarm();
    QCoreApplication::quit();
}

// Plain data and files only: this also runs among the exit handlers.
void ClockApp::SaveWindow() {
    MakeSettingsFolder(state_.Layout); // a failure shows as the failed write
    SaveWindowSettings(state_.Layout.SettingsFolder, RequestedRect(), state_.Minimized);
}

// --- Monitors --------------------------------------------------------------

// The monitor rules start from where the clock asked to be, so a place
// imposed or offset by a window manager never feeds back into the position.
void ClockApp::ApplyKeepOnMonitor() {
    if (const std::optional<QPoint> moved = KeepOnMonitor(RequestedRect(), MonitorRects()))
        MoveTo(*moved);
}

void ClockApp::MoveTo(QPoint position) {
    RememberPosition(position);
    window_->Place(position);
}

void ClockApp::RememberPosition(QPoint position) {
    state_.WindowLeft = position.x();
    state_.WindowTop = position.y();
    RecordMove();
}

void ClockApp::RecordMove() {
    state_.RectAtLastMove = RequestedRect();
    state_.MonitorAtLastMove = NearestMonitor(state_.RectAtLastMove, MonitorRects());
    Wake(); // the pointer's distance to the clock changed
}

void ClockApp::ApplyDisplayChange() {
    const QRect newMonitor = NearestMonitor(RequestedRect(), MonitorRects());
    MoveTo(PositionAfterDisplayChange(state_.RectAtLastMove, state_.MonitorAtLastMove, newMonitor));
    ApplyKeepOnMonitor();
    window_->CheckPixelRatio(); // the screen may have changed its scale
}

} // namespace tikloom
