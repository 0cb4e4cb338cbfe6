#include "common/density_image.h"

#include <QFileInfo>

namespace tikloom {

namespace {

const char kDoubleDensityMark[] = "@2x";

} // namespace

QString DoubleDensityName(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    // A dot before the last slash belongs to a folder's name.
    const qsizetype at = (dot > slash + 1) ? dot : path.size();
    QString name = path;
    name.insert(at, QLatin1String(kDoubleDensityMark));
    return name;
}

QString DensityImagePath(const QString& path, double ratio) {
    if (!(ratio > 1.0) || path.isEmpty()) {
        return path;
    }
    const QString dense = DoubleDensityName(path);
    return QFileInfo(dense).isFile() ? dense : path;
}

} // namespace tikloom
