#include "common/clock_link.h"

#include <QLocalSocket>

namespace tikloom {

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
