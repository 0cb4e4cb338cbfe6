#pragma once
// The bytes of a profile file as the readers see them, with a small cache:
// the clock reads some seventy keys of one theme file per load, and each read
// then costs a stat instead of reading and checking the whole file again.

#include "common/profile_line.h"
#include "common/profile_lookup.h"

#include <QByteArray>
#include <QString>

namespace tikloom {

struct ProfileSnapshot {
    QByteArray bytes; // empty when the file is absent or unreadable
    // Decoding of names and values: UTF-8 when the whole file is valid UTF-8,
    // else Windows-1252.
    ProfileEncoding encoding = ProfileEncoding::Utf8;
    std::optional<QList<ProfileSectionSpan>> sections;
};

// The current contents of path. A cached copy is used while the file's size,
// modification and change times (nanoseconds), device and inode are the same.
ProfileSnapshot LoadProfileSnapshot(const QString& path);

// Drops any cached copy of path (after this module wrote it).
void ForgetProfileSnapshot(const QString& path);

// The encoding the readers use for these bytes.
ProfileEncoding EncodingOfProfileBytes(const QByteArray& bytes);

} // namespace tikloom
