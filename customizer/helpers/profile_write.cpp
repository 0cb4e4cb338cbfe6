#include "customizer/helpers/profile_write.h"

#include "common/profile_file.h"

#include <QDir>

namespace tikloom {

ProfileWriteError::ProfileWriteError(const QString& file)
    : std::runtime_error(QStringLiteral("Unable to write to %1")
                             .arg(QDir::toNativeSeparators(file))
                             .toStdString()) {}

void WriteProfileOrThrow(const QString& file, const QString& section, const QString& key,
                         const QString& value) {
    if (!WriteProfileString(file, section, key, value))
        throw ProfileWriteError(file);
}

} // namespace tikloom
