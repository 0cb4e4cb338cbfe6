// A file's stamp from the file system itself: the volume and file index tell
// a file replaced by renaming from the one before it, and the times keep the
// file system's 100 ns steps, where a millisecond could hide a quick rewrite.

#include "common/file_stamp.h"

#include <QDir>

#include <string>
#include <windows.h>

namespace tikloom {

namespace {

// File times count 100 ns steps from 1601; stamps count nanoseconds from 1970.
constexpr int64_t kStepsFrom1601To1970 = 116444736000000000;
constexpr int64_t kNsPerStep = 100;

int64_t Nanoseconds(int64_t steps) {
    return (steps - kStepsFrom1601To1970) * kNsPerStep;
}

int64_t Steps(const FILETIME& time) {
    return static_cast<int64_t>((static_cast<uint64_t>(time.dwHighDateTime) << 32) |
                                time.dwLowDateTime);
}

uint64_t Combined(DWORD high, DWORD low) {
    return (static_cast<uint64_t>(high) << 32) | low;
}

} // namespace

std::optional<FileStamp> StampOfFile(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    // Attributes only: the file's contents and its other users are left alone.
    HANDLE handle = CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_BASIC_INFO times{};
    const bool regular = GetFileType(handle) == FILE_TYPE_DISK &&
                         GetFileInformationByHandle(handle, &info) != 0 &&
                         (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    const bool changeTimeKnown =
        regular && GetFileInformationByHandleEx(handle, FileBasicInfo, &times, sizeof(times)) != 0;
    CloseHandle(handle);
    if (!regular) {
        return std::nullopt;
    }
    FileStamp stamp;
    stamp.size = static_cast<int64_t>(Combined(info.nFileSizeHigh, info.nFileSizeLow));
    stamp.modifiedNs = Nanoseconds(Steps(info.ftLastWriteTime));
    // Without the change time (older file systems), the write time stands in.
    stamp.changedNs = changeTimeKnown ? Nanoseconds(times.ChangeTime.QuadPart) : stamp.modifiedNs;
    stamp.device = info.dwVolumeSerialNumber;
    stamp.inode = Combined(info.nFileIndexHigh, info.nFileIndexLow);
    return stamp;
}

} // namespace tikloom
