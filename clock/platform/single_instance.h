#pragma once
// One clock per user: the first clock listens on the rendezvous socket; a
// later start asks it to reload and ends. The request is answered only after
// the reload, so the caller waits as for a synchronous message.

#include <QObject>
#include <functional>

namespace tikloom {

class LocalListener;

class ClockRendezvous : public QObject {
    Q_OBJECT
public:
    // reload runs on the GUI thread for every request, before the answer.
    explicit ClockRendezvous(std::function<void()> reload);

    // Takes the clock's name unless a running clock answers on it. A stale
    // socket left by a crashed clock is removed first; a live one is never
    // taken over. False: another clock runs (it has been asked to reload).
    bool Claim();

private:
    void Serve();

    std::function<void()> reload_;
    LocalListener* server_;
};

} // namespace tikloom
