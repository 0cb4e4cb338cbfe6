#include "common/profile_write_lock.h"

#include <QLockFile>

namespace tikloom {

// Windows cannot lock a folder; a lock file beside the target serves.
struct ProfileWriteLock::Handle {
    explicit Handle(const QString& file) : lock(file + QStringLiteral(".lock")) {}
    QLockFile lock;
};

ProfileWriteLock::ProfileWriteLock(const QString& file) : handle_(std::make_unique<Handle>(file)) {
    handle_->lock.lock();
}

ProfileWriteLock::~ProfileWriteLock() = default;

} // namespace tikloom
