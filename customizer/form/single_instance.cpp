#include "customizer/form/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace tikloom {

namespace {
constexpr char kActivateRequest[] = "activate\n";
constexpr int kConnectTimeoutMs = 2000;
constexpr int kLockTimeoutMs = 5000;
} // namespace

SingleInstance::SingleInstance(const QString& serverPath, QObject* parent)
    : QObject(parent), ServerPath(serverPath) {}

bool SingleInstance::HandOverToRunningInstance() {
    // The lock makes "nobody answers, so take the name" one step for two
    // customizers started at the same moment.
    QLockFile lock(ServerPath + QStringLiteral(".lock"));
    lock.tryLock(kLockTimeoutMs);

    QLocalSocket socket;
    socket.connectToServer(ServerPath);
    if (socket.waitForConnected(kConnectTimeoutMs)) {
        socket.write(kActivateRequest);
        socket.waitForBytesWritten(kConnectTimeoutMs);
        socket.disconnectFromServer();
        return true;
    }
    // Nobody answers: a socket file left behind by a crash may be removed.
    QLocalServer::removeServer(ServerPath);
    Server = new QLocalServer(this);
    if (Server->listen(ServerPath))
        connect(Server, &QLocalServer::newConnection, this, &SingleInstance::AcceptConnections);
    return false;
}

void SingleInstance::AcceptConnections() {
    while (QLocalSocket* client = Server->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, this, [this, client] {
            if (client->readAll().contains(kActivateRequest[0]))
                emit activationRequested();
        });
    }
}

} // namespace tikloom
