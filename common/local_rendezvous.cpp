#include "common/local_rendezvous.h"

#include <QLocalServer>
#include <QLockFile>

namespace tikloom {

namespace {
constexpr int kLockTimeoutMs = 5000;
}

bool HandOverOrListen(QLocalServer& server, const QString& path,
                      const std::function<bool()>& runningInstanceAnswers) {
    if (runningInstanceAnswers())
        return true;
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.tryLock(kLockTimeoutMs);
    if (runningInstanceAnswers())
        return true;
    // Nobody answers: whatever socket file is there is a leftover.
    QLocalServer::removeServer(path);
    server.listen(path);
    return false;
}

} // namespace tikloom
