#include "clock/platform/single_instance.h"

#include "common/clock_link.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace tikloom {

namespace {
const QString kClockClass = QStringLiteral("Tikloom");
}

ClockRendezvous::ClockRendezvous(std::function<void()> reload)
    : reload_(std::move(reload)), server_(new QLocalServer(this)) {
    connect(server_, &QLocalServer::newConnection, this, &ClockRendezvous::Serve);
}

bool ClockRendezvous::Claim() {
    // A running clock is found without touching any file.
    if (RequestClockReload() != ReloadResult::NoClock)
        return false;
    const QString path = LocalServerPath(kClockClass);
    // Two clocks starting at once must not both find the name free: check
    // again under the lock before taking it.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.tryLock(kReloadTimeoutMs);
    if (RequestClockReload() != ReloadResult::NoClock)
        return false;
    // Nobody answers: whatever socket file is there is a leftover.
    QLocalServer::removeServer(path);
    server_->listen(path);
    return true;
}

void ClockRendezvous::Serve() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
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
