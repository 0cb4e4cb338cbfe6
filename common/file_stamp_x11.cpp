#include "common/file_stamp.h"

#include <QFile>

#include <sys/stat.h>

namespace tikloom {

namespace {

int64_t Nanoseconds(const timespec& time) {
    constexpr int64_t kNsPerSecond = 1000000000;
    return static_cast<int64_t>(time.tv_sec) * kNsPerSecond + time.tv_nsec;
}

} // namespace

std::optional<FileStamp> StampOfFile(const QString& path) {
    struct stat status {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0 ||
        !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    FileStamp stamp;
    stamp.size = static_cast<int64_t>(status.st_size);
    stamp.modifiedNs = Nanoseconds(status.st_mtim);
    stamp.changedNs = Nanoseconds(status.st_ctim);
    stamp.device = static_cast<uint64_t>(status.st_dev);
    stamp.inode = static_cast<uint64_t>(status.st_ino);
    return stamp;
}

} // namespace tikloom
