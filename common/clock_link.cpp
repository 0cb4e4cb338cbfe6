#include "common/clock_link.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <unistd.h>

namespace tikloom {

namespace {

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions kOthers = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                       QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

// A folder of this user's own that nobody else can enter: only there can no
// other user replace or listen on the programs' sockets.
bool IsPrivateFolder(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && !info.isSymLink() && info.ownerId() == getuid() &&
           (info.permissions() & kOthers) == 0;
}

QString MakePrivateFolder(const QString& folder) {
    QDir().mkpath(folder);
    QFile::setPermissions(folder, kOwnerOnly);
    return IsPrivateFolder(folder) ? folder : QString();
}

// No runtime folder: make our own, readable by this user only. A folder of
// that name that another user made first is not used.
QString OwnRuntimeFolder() {
    const QString folder =
        MakePrivateFolder(QDir::tempPath() + QStringLiteral("/tikloom-%1").arg(getuid()));
    if (!folder.isEmpty())
        return folder;
    return MakePrivateFolder(QDir::homePath() + QStringLiteral("/.tikloom-runtime"));
}

} // namespace

QString LocalServerPath(const QString& className) {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    // A runtime folder that others can reach (or that is not ours) would
    // let them take the socket's name first.
    if (folder.isEmpty() || !IsPrivateFolder(folder))
        folder = OwnRuntimeFolder();
    return folder + QLatin1Char('/') + className + QStringLiteral(".socket");
}

void ProvideRuntimeFolder() {
    const QString given = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!given.isEmpty() && IsPrivateFolder(given))
        return;
    const QString folder = OwnRuntimeFolder();
    if (!folder.isEmpty())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
}

namespace {

ReloadResult SendClockRequest(const char* request, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(LocalServerPath(QStringLiteral("Tikloom")));
    if (!socket.waitForConnected(timeoutMs))
        return ReloadResult::NoClock;
    socket.write(request);
    if (!socket.waitForBytesWritten(timeoutMs))
        return ReloadResult::NoAnswer;
    QByteArray answer;
    while (!answer.contains('\n')) {
        if (!socket.waitForReadyRead(timeoutMs))
            return ReloadResult::NoAnswer;
        answer += socket.readAll();
    }
    return answer.startsWith(kReloadAnswer) ? ReloadResult::Reloaded : ReloadResult::NoAnswer;
}

} // namespace

ReloadResult RequestClockReload(int timeoutMs) {
    return SendClockRequest(kReloadRequest, timeoutMs);
}

ReloadResult RequestClockToggle(int timeoutMs) {
    return SendClockRequest(kToggleRequest, timeoutMs);
}

ClockRequest ParseClockRequest(QByteArrayView line) {
    if (line == kReloadRequest)
        return ClockRequest::Reload;
    if (line == kToggleRequest)
        return ClockRequest::Toggle;
    return ClockRequest::Unknown;
}

QList<ClockRequest> ClockRequestReader::Take(QByteArrayView bytes) {
    QList<ClockRequest> requests;
    pending_ += bytes;
    qsizetype start = 0;
    for (qsizetype end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n', start)) {
        requests << ParseClockRequest(QByteArrayView(pending_).sliced(start, end + 1 - start));
        start = end + 1;
    }
    pending_.remove(0, start);
    return requests;
}

bool ClockRequestReader::Overlong() const {
    return pending_.size() > kLongestClockRequest;
}

} // namespace tikloom
