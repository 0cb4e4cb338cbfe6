#include "customizer/helpers/theme_file_name.h"

namespace tikloom {

QString RemoveLastExtension(const QString& fileName) {
    for (auto i = fileName.size() - 1; i >= 0; --i) {
        const QChar ch = fileName.at(i);
        if (ch == QLatin1Char('.'))
            return fileName.left(i);
        if (ch == QLatin1Char('\\') || ch == QLatin1Char('/') || ch == QLatin1Char(':'))
            break;
    }
    return fileName;
}

bool SameThemeName(const QString& a, const QString& b) {
    return a.toUpper() == b.toUpper();
}

QString ThemeNameOnDisk(const QString& name, const QStringList& existingFileNames) {
    const QLatin1String extension(kThemeExtension);
    if (existingFileNames.contains(name + extension))
        return name;
    // A theme is opened as its name + ".tkm", so only that exact extension counts.
    QString found;
    int matches = 0;
    for (const QString& fileName : existingFileNames) {
        if (!fileName.endsWith(extension))
            continue;
        const QString candidate = fileName.chopped(extension.size());
        if (candidate.compare(name, Qt::CaseInsensitive) == 0) {
            found = candidate;
            ++matches;
        }
    }
    return matches == 1 ? found : name;
}

} // namespace tikloom
