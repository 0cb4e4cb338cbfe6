// Windows ends a log-on session through WM_QUERYENDSESSION, which Qt turns
// into the application's commit-data request (the clock saves its window
// section there). What is left are a console's stop events, for a clock
// started from a console: Ctrl+C, Ctrl+Break, the console closing, and log-off
// or shut-down as a console program sees them. The system calls the handler
// on a thread of its own; the request is handed to the GUI thread.

#include "clock/platform/stop_signals.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <windows.h>

namespace tikloom {

namespace {

// After the handler returns from a closing console, log-off or shut-down the
// system ends the process; it waits this long for the window section first
// (the system itself allows about five seconds).
constexpr DWORD kSaveWaitMs = 4000;

StopSignals* g_signals = nullptr;
HANDLE g_stopped = nullptr; // set once the GUI thread has stopped the clock

BOOL WINAPI OnConsoleEvent(DWORD event) {
    if (g_signals == nullptr)
        return FALSE;
    QMetaObject::invokeMethod(
        g_signals,
        [] {
            emit g_signals->StopRequested();
            SetEvent(g_stopped);
        },
        Qt::QueuedConnection);
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
        WaitForSingleObject(g_stopped, kSaveWaitMs);
    return TRUE;
}

} // namespace

StopSignals::StopSignals() {
    g_signals = this;
    if (g_stopped == nullptr)
        g_stopped = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
    connect(this, &QObject::destroyed, [] {
        SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
        g_signals = nullptr;
    });
}

} // namespace tikloom
