#include "common/local_listener.h"

#include <QLocalSocket>
#include <QTimer>

#include <algorithm>

namespace tikloom {

QLocalSocket* LocalListener::NextPendingConnection() {
    if (pending_.empty()) {
        return nullptr;
    }
    QLocalSocket* client = pending_.front();
    pending_.pop_front();
    return client;
}

void LocalListener::Adopt(QLocalSocket* client) {
    // A client that sends without end fills only this much memory; the rest
    // waits in the kernel until the client is dropped.
    client->setReadBufferSize(kMaxRequestBytes);
    connect(client, &QLocalSocket::readyRead, client, [client] {
        if (client->bytesAvailable() >= kMaxRequestBytes && !client->canReadLine()) {
            client->abort();
        }
    });
    connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    connect(client, &QObject::destroyed, this, [this, client] { Release(client); });
    QTimer::singleShot(kClientLifetimeMs, client, [client] { client->abort(); });

    clients_.push_back(client);
    if (static_cast<int>(clients_.size()) > kMaxClients) {
        // Many clients at once are idle ones; the newest is most likely real.
        QLocalSocket* oldest = clients_.front();
        Release(oldest);
        oldest->abort();
        oldest->deleteLater();
    }
    pending_.push_back(client);
    emit NewConnection();
}

void LocalListener::Release(QLocalSocket* client) {
    clients_.erase(std::remove(clients_.begin(), clients_.end(), client), clients_.end());
    pending_.erase(std::remove(pending_.begin(), pending_.end(), client), pending_.end());
}

} // namespace tikloom
