#include "common/local_listener.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace tikloom {

// Named pipes take no descriptors and keep their name while the server
// object lives; QLocalServer is enough here.
struct LocalListener::Platform {
    QLocalServer* server = nullptr;
};

LocalListener::LocalListener(QObject* parent)
    : QObject(parent), platform_(std::make_unique<Platform>()) {}

LocalListener::~LocalListener() = default;

bool LocalListener::Listen(const QString& path) {
    if (platform_->server) {
        return false;
    }
    platform_->server = new QLocalServer(this);
    platform_->server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(platform_->server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = platform_->server->nextPendingConnection()) {
            client->setParent(this);
            Adopt(client);
        }
    });
    QLocalServer::removeServer(path);
    return platform_->server->listen(path);
}

} // namespace tikloom
