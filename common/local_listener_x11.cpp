#include "common/local_listener.h"

#include <QFile>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace tikloom {

namespace {

constexpr int kBacklog = 64;
constexpr mode_t kOwnerOnlyMask = 077;
constexpr mode_t kOwnerReadWrite = 0600;

bool IsOutOfDescriptors(int error) {
    return error == EMFILE || error == ENFILE || error == ENOBUFS || error == ENOMEM;
}

} // namespace

struct LocalListener::Platform {
    int fd = -1;
    QSocketNotifier* notifier = nullptr;
    QTimer* resume = nullptr;

    ~Platform() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

LocalListener::LocalListener(QObject* parent)
    : QObject(parent), platform_(std::make_unique<Platform>()) {}

LocalListener::~LocalListener() = default;

bool LocalListener::Listen(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (platform_->fd >= 0 || name.isEmpty() ||
        static_cast<size_t>(name.size()) >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return false;
    }
    ::unlink(name.constData());
    // The socket file is user-only from the moment it exists.
    const mode_t oldMask = ::umask(kOwnerOnlyMask);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(oldMask);
    if (!bound || ::chmod(name.constData(), kOwnerReadWrite) != 0 || ::listen(fd, kBacklog) != 0) {
        ::close(fd);
        return false;
    }
    platform_->fd = fd;
    platform_->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    platform_->resume = new QTimer(this);
    platform_->resume->setSingleShot(true);
    platform_->resume->setInterval(kAcceptPauseMs);
    connect(platform_->resume, &QTimer::timeout, this,
            [this] { platform_->notifier->setEnabled(true); });
    connect(platform_->notifier, &QSocketNotifier::activated, this, [this] {
        for (;;) {
            const int client =
                ::accept4(platform_->fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (client < 0) {
                if (errno == EINTR || errno == ECONNABORTED) {
                    continue;
                }
                if (IsOutOfDescriptors(errno)) {
                    // Pause rather than close: the name must stay taken.
                    platform_->notifier->setEnabled(false);
                    platform_->resume->start();
                }
                return;
            }
            auto* socket = new QLocalSocket(this);
            if (!socket->setSocketDescriptor(client)) {
                ::close(client);
                delete socket;
                continue;
            }
            Adopt(socket);
        }
    });
    return true;
}

} // namespace tikloom
