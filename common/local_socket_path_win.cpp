// Named pipes need no folder. Their namespace is shared by every user and
// session of the machine, so the name carries the user's security identifier
// and the session: another user's clock, or the same user's in another
// session, is another rendezvous, as a window class is found only on its own
// desktop. The pipe itself is opened to the user alone by the listener.

#include "common/local_socket_path.h"

#include <windows.h>

#include <sddl.h>

#include <vector>

namespace tikloom {

namespace {

// The textual form of the process user's identifier ("S-1-5-21-..."), or
// empty when the process token cannot be read.
QString UserIdentifier() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return QString();
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    QString text;
    if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        const auto* user = reinterpret_cast<const TOKEN_USER*>(buffer.data());
        wchar_t* sid = nullptr;
        if (ConvertSidToStringSidW(user->User.Sid, &sid)) {
            text = QString::fromWCharArray(sid);
            LocalFree(sid);
        }
    }
    CloseHandle(token);
    return text;
}

} // namespace

QString LocalServerPath(const QString& className) {
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    QString user = UserIdentifier();
    // Without a token, the user's name still keeps users apart.
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return QStringLiteral("%1-%2-%3").arg(className, user).arg(session);
}

void ProvideRuntimeFolder() {}

} // namespace tikloom
