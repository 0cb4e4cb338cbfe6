#pragma once
// Serialises the read-modify-write cycles of profile files between processes
// (the clock and the customizer may write the settings file at one moment).

#include <QString>
#include <memory>

namespace tikloom {

// Holds an exclusive advisory lock for writing file while it lives. On Linux
// the lock is taken on the file's folder: the folder keeps its identity while
// files in it are replaced by rename, and no lock file is left behind. Where
// the file system offers no locks, the writer goes on without one.
class ProfileWriteLock {
public:
    explicit ProfileWriteLock(const QString& file);
    ~ProfileWriteLock();
    ProfileWriteLock(const ProfileWriteLock&) = delete;
    ProfileWriteLock& operator=(const ProfileWriteLock&) = delete;

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

} // namespace tikloom
