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

// The attributes a save carries over from the old file to the new one.
constexpr DWORD kCarriedAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                     FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// ReplaceFileW gives the new file the old one's security and creation time,
// as an edit in place would; a file that is not there yet simply takes its
// name. The attributes are set again afterwards, as not every implementation
// of ReplaceFileW carries them (Wine's does not).
bool PutInPlace(const std::wstring& replacement, const std::wstring& target) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return MoveFileExW(replacement.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
    }
    if (!ReplaceFileW(target.c_str(), replacement.c_str(), nullptr,
                      REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                      nullptr)) {
        // Only here has the old file gone with the new one still under its
        // temporary name; any other failure left both as they were.
        if (GetLastError() != ERROR_UNABLE_TO_MOVE_REPLACEMENT ||
            !MoveFileExW(replacement.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return false;
        }
    }
    const DWORD carried = attributes & kCarriedAttributes;
    SetFileAttributesW(target.c_str(), carried != 0 ? carried : FILE_ATTRIBUTE_NORMAL);
    return true;
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
