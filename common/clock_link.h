#pragma once
// The rendezvous between the programs: a per-user local socket named after
// the clock's window class. A second start of the clock and the customizer
// ask the running clock to reload; the clock answers only after the reload is
// done, so the caller waits as it would for a synchronous window message.

#include "common/local_socket_path.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace tikloom {

// Requests and answer on the clock's socket (one line each).
inline constexpr char kReloadRequest[] = "reload\n";
inline constexpr char kToggleRequest[] = "toggle\n"; // minimise or restore
inline constexpr char kReloadAnswer[] = "ok\n";
// A client that sends more than this without a line end is no client of ours.
constexpr int kLongestClockRequest = 64;
// How long a caller waits for a running clock before giving up on it.
constexpr int kReloadTimeoutMs = 10000;

enum class ReloadResult {
    Reloaded, // a clock answered after reloading
    NoClock,  // nothing listens: no clock runs
    NoAnswer  // a clock took the request but did not answer in time
};

// Connects to the running clock, sends the reload request and waits for the answer.
ReloadResult RequestClockReload(int timeoutMs = kReloadTimeoutMs);
// The same for the toggle request: Reloaded means the clock answered after
// minimising or restoring itself.
ReloadResult RequestClockToggle(int timeoutMs = kReloadTimeoutMs);

enum class ClockRequest { Reload, Toggle, Unknown };
// One line read by the clock, line end included.
ClockRequest ParseClockRequest(QByteArrayView line);

// The clock's side of one connection: the bytes as they arrive, cut into
// requests. Bytes past the last line end wait for the rest of their line.
class ClockRequestReader {
public:
    // The requests completed by `bytes`, in order (unknown lines included).
    QList<ClockRequest> Take(QByteArrayView bytes);
    // More than kLongestClockRequest bytes without a line end: not a client
    // of ours; the connection is to be dropped.
    bool Overlong() const;

private:
    QByteArray pending_;
};

} // namespace tikloom
