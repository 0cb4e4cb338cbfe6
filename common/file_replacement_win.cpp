// Saves on Windows: the new bytes go to a temporary file beside the target,
// are flushed, and the file system then puts it in the target's place.
#include "common/file_replacement.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <string>
#include <windows.h>

namespace tikloom {

namespace {

constexpr int kNameAttempts = 100;

std::wstring Native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

bool WriteAll(HANDLE handle, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<qsizetype>(left, 1 << 30));
        DWORD written = 0;
        if (!WriteFile(handle, data, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// ReplaceFileW gives the new file the old one's attributes (hidden, system,
// archive), its security and its creation time, as an edit in place would;
// a file that is not there yet simply takes its name.
bool PutInPlace(const std::wstring& replacement, const std::wstring& target) {
    if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
        if (ReplaceFileW(target.c_str(), replacement.c_str(), nullptr,
                         REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                         nullptr)) {
            return true;
        }
        // Only here has the old file gone with the new one still under its
        // temporary name; any other failure left both as they were.
        if (GetLastError() != ERROR_UNABLE_TO_MOVE_REPLACEMENT) {
            return false;
        }
    }
    return MoveFileExW(replacement.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

} // namespace

bool ReplaceFileContents(const QString& file, const QByteArray& bytes) {
    const QFileInfo info(file);
    const QString target = info.isSymLink() ? info.symLinkTarget() : file;
    std::wstring replacement;
    HANDLE handle = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < kNameAttempts && handle == INVALID_HANDLE_VALUE; ++attempt) {
        replacement = Native(ReplacementNameFor(target));
        handle = CreateFileW(replacement.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
            return false;
        }
    }
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool ok = WriteAll(handle, bytes) && FlushFileBuffers(handle);
    ok = CloseHandle(handle) && ok;
    if (!ok || !PutInPlace(replacement, Native(target))) {
        DeleteFileW(replacement.c_str());
        return false;
    }
    return true;
}

} // namespace tikloom
