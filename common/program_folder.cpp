#include "common/program_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace tikloom {

QString ProgramFolder() {
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}

QString ResolveStoredPath(const QString& programFolder, const QString& storedPath) {
    QString path = storedPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // QDir knows drive paths ("C:/...") as absolute on Windows only; elsewhere
    // they are relative names, as Linux has no drives.
    if (path.isEmpty() || QDir::isAbsolutePath(path)) {
        return path;
    }
    QString folder = programFolder;
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')) &&
        !folder.endsWith(QLatin1Char('\\'))) {
        folder += QLatin1Char('/');
    }
    return folder + path;
}

} // namespace tikloom
