#pragma once
// The listening end of a program's per-user local socket, made to stand up to
// any local client: the socket file is user-only, a client gets a short time
// to say what it wants and a small buffer to say it in, only a few clients
// are held at once (the oldest goes first), and running out of file
// descriptors only pauses accepting: the socket and its name stay.

#include <QObject>
#include <QString>

#include <deque>
#include <memory>

class QLocalSocket;

namespace tikloom {

// How much a client may send before its request line ends.
constexpr qint64 kMaxRequestBytes = 256;
// How long a client is held after it connects.
constexpr int kClientLifetimeMs = 5000;
// How many clients are held at once.
constexpr int kMaxClients = 16;
// How long accepting pauses when no descriptor is left.
constexpr int kAcceptPauseMs = 250;

class LocalListener : public QObject {
    Q_OBJECT
public:
    explicit LocalListener(QObject* parent = nullptr);
    ~LocalListener() override;

    // Listens on path, replacing whatever file is there (the caller has made
    // sure no live program listens on it). False when it cannot listen.
    bool Listen(const QString& path);

    // The next client that connected, owned by the listener (deleted when it
    // disconnects or is dropped); nullptr when none waits.
    QLocalSocket* NextPendingConnection();

signals:
    void NewConnection();

private:
    struct Platform;

    void Adopt(QLocalSocket* client);
    void Release(QLocalSocket* client);

    std::unique_ptr<Platform> platform_;
    std::deque<QLocalSocket*> clients_; // oldest first
    std::deque<QLocalSocket*> pending_;
};

} // namespace tikloom
