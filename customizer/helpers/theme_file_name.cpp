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

} // namespace tikloom
