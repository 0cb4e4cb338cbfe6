#include "common/file_replacement.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tikloom {

namespace {

constexpr int kNameAttempts = 100;
constexpr mode_t kNewFileMode = 0666; // less the umask, as for any new file

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// Opens a new temporary file beside target; -1 when none can be made.
int CreateReplacement(const QString& target, QByteArray& name) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name = QFile::encodeName(ReplacementNameFor(target));
        const int fd =
            ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// The replacement takes the old file's permission bits before it takes its name.
bool KeepMode(const QByteArray& target, int fd) {
    struct stat status {};
    if (::stat(target.constData(), &status) != 0) {
        return true; // a new file
    }
    return ::fchmod(fd, status.st_mode & 07777) == 0;
}

// The rename itself lives in the folder: sync it so that a power cut after
// a successful save cannot bring the old file back.
void SyncFolder(const QString& target) {
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool ReplaceFileContents(const QString& file, const QByteArray& bytes) {
    const QFileInfo info(file);
    const QString target = info.isSymLink() ? info.symLinkTarget() : file;
    QByteArray replacement;
    const int fd = CreateReplacement(target, replacement);
    if (fd < 0) {
        return false;
    }
    const QByteArray targetName = QFile::encodeName(target);
    // Every step is checked: a full disk may show only at fsync or close.
    bool ok = KeepMode(targetName, fd) && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (!ok || ::rename(replacement.constData(), targetName.constData()) != 0) {
        ::unlink(replacement.constData());
        return false;
    }
    SyncFolder(target);
    return true;
}

} // namespace tikloom
