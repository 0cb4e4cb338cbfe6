#include "customizer/helpers/read_only_attribute.h"

#include <QFile>
#include <QFileInfo>

namespace tikloom {

namespace {
constexpr QFile::Permissions kAnyWrite =
    QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther;
}

bool IsReadOnlyFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !(info.permissions() & QFile::WriteOwner);
}

bool SetReadOnly(const QString& path) {
    if (!QFileInfo(path).isFile())
        return false;
    return QFile::setPermissions(path, QFile::permissions(path) & ~kAnyWrite);
}

bool ClearReadOnly(const QString& path) {
    if (!QFileInfo::exists(path))
        return false;
    return QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOwner |
                                           QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
}

} // namespace tikloom
