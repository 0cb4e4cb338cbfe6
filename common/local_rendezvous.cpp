#include "common/local_rendezvous.h"

#include "common/local_listener.h"

#include <QDir>
#include <QLockFile>

namespace tikloom {

namespace {
constexpr int kLockTimeoutMs = 5000;
}

bool HandOverOrListen(LocalListener& listener, const QString& path,
                      const std::function<bool()>& runningInstanceAnswers) {
    if (runningInstanceAnswers())
        return true;
    // A socket named without a folder (a Windows pipe) locks in the user's
    // temporary folder, the same for every start whatever its current folder.
    const QString lockName = path + QStringLiteral(".lock");
    QLockFile lock(QDir::isAbsolutePath(path) ? lockName : QDir::temp().filePath(lockName));
    lock.tryLock(kLockTimeoutMs);
    if (runningInstanceAnswers())
        return true;
    // Nobody answers: whatever socket file is there is a leftover, and
    // Listen replaces it.
    listener.Listen(path);
    return false;
}

} // namespace tikloom
