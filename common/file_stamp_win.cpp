#include "common/file_stamp.h"

#include <QDateTime>
#include <QFileInfo>

namespace tikloom {

std::optional<FileStamp> StampOfFile(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        return std::nullopt;
    }
    constexpr int64_t kNsPerMs = 1000000;
    FileStamp stamp;
    stamp.size = info.size();
    stamp.modifiedNs = info.lastModified().toMSecsSinceEpoch() * kNsPerMs;
    stamp.changedNs = info.metadataChangeTime().toMSecsSinceEpoch() * kNsPerMs;
    return stamp;
}

} // namespace tikloom
