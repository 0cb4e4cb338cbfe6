#pragma once
// What identifies one version of a file on disk, to tell whether a cached
// copy of it is still current.

#include <QString>
#include <cstdint>
#include <optional>

namespace tikloom {

struct FileStamp {
    int64_t size = 0;
    int64_t modifiedNs = 0;
    int64_t changedNs = 0;
    uint64_t device = 0;
    uint64_t inode = 0;

    bool operator==(const FileStamp& other) const {
        return size == other.size && modifiedNs == other.modifiedNs &&
               changedNs == other.changedNs && device == other.device && inode == other.inode;
    }
};

// The stamp of a regular file; nullopt when there is no such file.
std::optional<FileStamp> StampOfFile(const QString& path);

} // namespace tikloom
