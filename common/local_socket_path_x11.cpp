#include "common/local_socket_path.h"

#include <QDir>
#include <QFileInfo>
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

} // namespace tikloom
