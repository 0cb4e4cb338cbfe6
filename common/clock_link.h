#pragma once
// The rendezvous between the programs: a per-user local socket named after
// the clock's window class. A second start of the clock and the customizer
// ask the running clock to reload; the clock answers only after the reload is
// done, so the caller waits as it would for a synchronous window message.

#include <QString>

namespace tikloom {

// Request and answer on the clock's socket (one line each).
inline constexpr char kReloadRequest[] = "reload\n";
inline constexpr char kReloadAnswer[] = "ok\n";
// How long a caller waits for a running clock before giving up on it.
constexpr int kReloadTimeoutMs = 10000;

// Full path of the local socket of the program whose class is className
// ("Tikloom" for the clock, "TTikloomCustomizer" for the customizer): inside
// $XDG_RUNTIME_DIR when it is set, owned by the user and closed to others,
// else inside a user-only folder under the temporary directory.
QString LocalServerPath(const QString& className);

// Outside a desktop session (no $XDG_RUNTIME_DIR, or one others can reach) Qt
// warns on start and makes a folder of its own; this points the variable at
// ours first. Call before the application object.
void ProvideRuntimeFolder();

enum class ReloadResult {
    Reloaded, // a clock answered after reloading
    NoClock,  // nothing listens: no clock runs
    NoAnswer  // a clock took the request but did not answer in time
};

// Connects to the running clock, sends the reload request and waits for the answer.
ReloadResult RequestClockReload(int timeoutMs = kReloadTimeoutMs);

} // namespace tikloom
