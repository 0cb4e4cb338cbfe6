#include "customizer/form/single_instance.h"

#include "common/foreground_handover.h"
#include "common/local_listener.h"
#include "common/local_rendezvous.h"

#include <QLocalSocket>

namespace tikloom {

namespace {
constexpr char kActivateRequest[] = "activate\n";
constexpr int kConnectTimeoutMs = 2000;
} // namespace

SingleInstance::SingleInstance(const QString& serverPath, QObject* parent)
    : QObject(parent), ServerPath(serverPath) {}

bool SingleInstance::HandOverToRunningInstance() {
    Server = new LocalListener(this);
    connect(Server, &LocalListener::NewConnection, this, &SingleInstance::AcceptConnections);
    return HandOverOrListen(*Server, ServerPath, [this] { return AskToComeForward(); });
}

bool SingleInstance::AskToComeForward() const {
    QLocalSocket socket;
    socket.connectToServer(ServerPath);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    AllowForegroundHandOver();
    socket.write(kActivateRequest);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::AcceptConnections() {
    while (QLocalSocket* client = Server->NextPendingConnection()) {
        connect(client, &QLocalSocket::readyRead, this, [this, client] {
            if (client->readAll().contains(kActivateRequest[0]))
                emit activationRequested();
        });
    }
}

} // namespace tikloom
