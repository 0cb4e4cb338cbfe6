#include "customizer/helpers/relative_image_path.h"

#include <QDir>
#include <QFileInfo>

namespace tikloom {

QString StoredImagePath(const QString& programFolder, const QString& chosenFile) {
    const QString fullPath = QFileInfo(chosenFile).absoluteFilePath();
    const QString relative = QDir(programFolder).relativeFilePath(fullPath);
    const bool outside = relative == QLatin1String("..") ||
                         relative.startsWith(QLatin1String("../")) ||
                         QDir::isAbsolutePath(relative); // another drive
    if (outside)
        return QDir::toNativeSeparators(fullPath);
    QString stored = relative;
    stored.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return stored;
}

QString StoredImagePath(const QStringList& folders, const QString& chosenFile) {
    const QString fullPath = QDir::toNativeSeparators(QFileInfo(chosenFile).absoluteFilePath());
    for (const QString& folder : folders) {
        const QString stored = StoredImagePath(folder, chosenFile);
        if (stored != fullPath)
            return stored;
    }
    return fullPath;
}

} // namespace tikloom
