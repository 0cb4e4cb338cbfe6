#include "common/profile_write_lock.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tikloom {

struct ProfileWriteLock::Handle {
    int folder = -1;
};

ProfileWriteLock::ProfileWriteLock(const QString& file) : handle_(std::make_unique<Handle>()) {
    const QByteArray folder = QFile::encodeName(QFileInfo(file).absolutePath());
    handle_->folder = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle_->folder < 0) {
        return; // no folder: the write itself fails
    }
    while (::flock(handle_->folder, LOCK_EX) != 0) {
        if (errno != EINTR) {
            break;
        }
    }
}

ProfileWriteLock::~ProfileWriteLock() {
    if (handle_->folder >= 0) {
        ::close(handle_->folder); // releases the lock
    }
}

} // namespace tikloom
