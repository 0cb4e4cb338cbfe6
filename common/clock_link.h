#pragma once
// The rendezvous between the programs: a per-user local socket named after
// the clock's window class. A second start of the clock and the customizer
// ask the running clock to reload; the clock answers only after the reload is
// done, so the caller waits as it would for a synchronous window message.

#include "common/local_socket_path.h"

#include <QString>

namespace tikloom {

// Request and answer on the clock's socket (one line each).
inline constexpr char kReloadRequest[] = "reload\n";
inline constexpr char kReloadAnswer[] = "ok\n";
// How long a caller waits for a running clock before giving up on it.
constexpr int kReloadTimeoutMs = 10000;

enum class ReloadResult {
    Reloaded, // a clock answered after reloading
    NoClock,  // nothing listens: no clock runs
    NoAnswer  // a clock took the request but did not answer in time
};

// Connects to the running clock, sends the reload request and waits for the answer.
ReloadResult RequestClockReload(int timeoutMs = kReloadTimeoutMs);

} // namespace tikloom
