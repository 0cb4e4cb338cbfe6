#include "common/clock_link.h"

#include <QLocalSocket>

namespace tikloom {

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
