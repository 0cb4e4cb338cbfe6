#pragma once
// One clock per user: the first clock listens on the rendezvous socket; a
// later start asks it to reload (or, for `tikloom --toggle`, to minimise or
// restore itself) and ends. The request is answered only after it is carried
// out, so the caller waits as for a synchronous message.

#include "common/clock_link.h"

#include <QObject>
#include <functional>

namespace tikloom {

class LocalListener;

class ClockRendezvous : public QObject {
    Q_OBJECT
public:
    // reload and toggle run on the GUI thread for every such request, before
    // the answer.
    ClockRendezvous(std::function<void()> reload, std::function<void()> toggle);

    // Takes the clock's name unless a running clock answers on it. A stale
    // socket left by a crashed clock is removed first; a live one is never
    // taken over. False: another clock runs (it has been sent `handOver`,
    // Reload or Toggle).
    bool Claim(ClockRequest handOver);

private:
    void Serve();

    std::function<void()> reload_;
    std::function<void()> toggle_;
    LocalListener* server_;
};

} // namespace tikloom
