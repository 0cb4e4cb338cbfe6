#include "clock/platform/single_instance.h"

#include "common/local_listener.h"
#include "common/local_rendezvous.h"

#include <QLocalSocket>
#include <memory>

namespace tikloom {

namespace {
const QString kClockClass = QStringLiteral("Tikloom");
}

ClockRendezvous::ClockRendezvous(std::function<void()> reload, std::function<void()> toggle)
    : reload_(std::move(reload)), toggle_(std::move(toggle)), server_(new LocalListener(this)) {
    connect(server_, &LocalListener::NewConnection, this, &ClockRendezvous::Serve);
}

bool ClockRendezvous::Claim(ClockRequest handOver) {
    // A running clock is found without touching any file, and does its part.
    const auto ask = handOver == ClockRequest::Toggle ? RequestClockToggle : RequestClockReload;
    return !HandOverOrListen(*server_, LocalServerPath(kClockClass),
                             [ask] { return ask(kReloadTimeoutMs) != ReloadResult::NoClock; });
}

void ClockRendezvous::Serve() {
    while (QLocalSocket* socket = server_->NextPendingConnection()) {
        auto reader = std::make_shared<ClockRequestReader>();
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket, reader] {
            for (const ClockRequest request : reader->Take(socket->readAll())) {
                if (request == ClockRequest::Reload)
                    reload_();
                else if (request == ClockRequest::Toggle)
                    toggle_();
                else
                    continue;
                socket->write(kReloadAnswer);
                socket->flush();
            }
            if (reader->Overlong())
                socket->abort();
        });
    }
}

} // namespace tikloom
