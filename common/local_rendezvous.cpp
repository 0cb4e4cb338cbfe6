#include "common/local_rendezvous.h"

#include "common/local_listener.h"

#include <QLockFile>

namespace tikloom {

namespace {
constexpr int kLockTimeoutMs = 5000;
}

bool HandOverOrListen(LocalListener& listener, const QString& path,
                      const std::function<bool()>& runningInstanceAnswers) {
    if (runningInstanceAnswers())
        return true;
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.tryLock(kLockTimeoutMs);
    if (runningInstanceAnswers())
        return true;
    // Nobody answers: whatever socket file is there is a leftover, and
    // Listen replaces it.
    listener.Listen(path);
    return false;
}

} // namespace tikloom
