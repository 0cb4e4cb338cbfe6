#include "clock/platform/single_instance.h"

#include "common/clock_link.h"
#include "common/local_listener.h"
#include "common/local_rendezvous.h"

#include <QLocalSocket>

namespace tikloom {

namespace {
const QString kClockClass = QStringLiteral("Tikloom");
}

ClockRendezvous::ClockRendezvous(std::function<void()> reload)
    : reload_(std::move(reload)), server_(new LocalListener(this)) {
    connect(server_, &LocalListener::NewConnection, this, &ClockRendezvous::Serve);
}

bool ClockRendezvous::Claim() {
    // A running clock is found without touching any file, and reloads.
    return !HandOverOrListen(*server_, LocalServerPath(kClockClass),
                             [] { return RequestClockReload() != ReloadResult::NoClock; });
}

void ClockRendezvous::Serve() {
    while (QLocalSocket* socket = server_->NextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            while (socket->canReadLine()) {
                const QByteArray request = socket->readLine();
                if (request != kReloadRequest)
                    continue;
                reload_();
                socket->write(kReloadAnswer);
                socket->flush();
            }
        });
    }
}

} // namespace tikloom
