#include "common/clock_link.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <unistd.h>

namespace tikloom {

QString LocalServerPath(const QString& className) {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists()) {
        // No runtime folder: make our own, readable by this user only.
        folder = QDir::tempPath() + QStringLiteral("/tikloom-%1").arg(getuid());
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return folder + QLatin1Char('/') + className + QStringLiteral(".socket");
}

ReloadResult RequestClockReload(int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(LocalServerPath(QStringLiteral("Tikloom")));
    if (!socket.waitForConnected(timeoutMs))
        return ReloadResult::NoClock;
    socket.write(kReloadRequest);
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

} // namespace tikloom
