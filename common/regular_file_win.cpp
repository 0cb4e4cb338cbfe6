// Windows has no FIFOs in the file system, but device names ("CON", "NUL",
// "COM1", also with an extension or inside a folder, "\\.\..."), named pipes
// and folders can all be named as files. The file is opened first and the
// opened object asked what it is: only a file on a disk is read.

#include "common/regular_file.h"

#include <QDir>

#include <string>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace tikloom {

namespace {

bool IsFileOnDisk(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileType(handle) == FILE_TYPE_DISK &&
           GetFileInformationByHandle(handle, &info) != 0 &&
           (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

} // namespace

bool OpenRegularFile(QFile& file, const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    // Others may read, replace and delete the file while it is open, as the
    // writers replace profile files by renaming over them.
    HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    if (!IsFileOnDisk(handle)) {
        CloseHandle(handle);
        return false;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        _close(fd);
        return false;
    }
    return true;
}

} // namespace tikloom
