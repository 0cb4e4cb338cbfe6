#include "common/profile_snapshot.h"

#include "common/file_stamp.h"
#include "common/profile_utf16.h"
#include "common/regular_file.h"
#include "common/text_decoding.h"

#include <QDateTime>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>

#include <list>

namespace tikloom {

namespace {

// At most this many files, and this many bytes in all, are held; a larger
// file is read anew on each call.
constexpr std::size_t kCachedFiles = 8;
constexpr qint64 kCachedBytes = 64 * 1024 * 1024;

struct CachedProfile {
    QString path;
    FileStamp stamp;
    ProfileSnapshot snapshot;
};

QMutex& CacheMutex() {
    static QMutex mutex;
    return mutex;
}

// Most recently used first.
std::list<CachedProfile>& Cache() {
    static std::list<CachedProfile> cache;
    return cache;
}

ProfileSnapshot ReadSnapshot(const QString& path) {
    ProfileSnapshot snapshot;
    QFile file;
    if (OpenRegularFile(file, path)) {
        snapshot.bytes = file.readAll();
    }
    if (const std::optional<Utf16Order> order = Utf16OrderOf(snapshot.bytes)) {
        snapshot.bytes = Utf16ToUtf8(snapshot.bytes, *order);
    }
    snapshot.encoding = EncodingOfProfileBytes(snapshot.bytes);
    snapshot.sections = IndexProfileSections(snapshot.bytes);
    return snapshot;
}

// File times advance in coarse steps, so a file changed again within the
// same step keeps its stamp when its size stays too. A file modified this
// recently is therefore not cached; it is read again at the next call.
constexpr int64_t kRacyWindowNs = int64_t{2} * 1000 * 1000 * 1000;

bool MayStillChangeUnseen(const FileStamp& stamp) {
    const int64_t nowNs = QDateTime::currentMSecsSinceEpoch() * 1000 * 1000;
    return nowNs - stamp.modifiedNs < kRacyWindowNs;
}

} // namespace

ProfileEncoding EncodingOfProfileBytes(const QByteArray& bytes) {
    return IsValidUtf8(bytes) ? ProfileEncoding::Utf8 : ProfileEncoding::Windows1252;
}

ProfileSnapshot LoadProfileSnapshot(const QString& path) {
    // The stamp is taken before reading: a change made during the read then
    // gives a different stamp at the next call, never a stale hit.
    const std::optional<FileStamp> stamp = StampOfFile(path);
    if (!stamp) {
        ForgetProfileSnapshot(path);
        return {};
    }
    {
        QMutexLocker locker(&CacheMutex());
        auto& cache = Cache();
        for (auto it = cache.begin(); it != cache.end(); ++it) {
            if (it->path == path) {
                if (it->stamp == *stamp) {
                    cache.splice(cache.begin(), cache, it);
                    return cache.front().snapshot;
                }
                cache.erase(it);
                break;
            }
        }
    }
    ProfileSnapshot snapshot = ReadSnapshot(path);
    if (snapshot.bytes.size() <= kCachedBytes && !MayStillChangeUnseen(*stamp)) {
        QMutexLocker locker(&CacheMutex());
        auto& cache = Cache();
        cache.push_front({path, *stamp, snapshot});
        qint64 held = 0;
        std::size_t count = 0;
        for (auto it = cache.begin(); it != cache.end();) {
            const qint64 size = it->snapshot.bytes.size();
            if (count < kCachedFiles && held + size <= kCachedBytes) {
                held += size;
                ++count;
                ++it;
            } else {
                it = cache.erase(it);
            }
        }
    }
    return snapshot;
}

void ForgetProfileSnapshot(const QString& path) {
    QMutexLocker locker(&CacheMutex());
    Cache().remove_if([&path](const CachedProfile& entry) { return entry.path == path; });
}

} // namespace tikloom
