#include "customizer/helpers/language_list.h"

#include "common/profile_file.h"
#include "customizer/helpers/language_encoding.h"

#include <QDir>
#include <QLocale>

namespace tikloom {

QList<LanguageListEntry> FindLanguageFiles(const QString& programFolder) {
    const QStringList names =
        QDir(programFolder)
            .entryList({QStringLiteral("*.lng")}, QDir::Files | QDir::Hidden | QDir::System,
                       QDir::Unsorted);
    QList<LanguageListEntry> entries;
    for (const QString& name : names) {
        const QString path = programFolder + name;
        const QString label =
            ReadProfileString(path, QStringLiteral("Language"), QStringLiteral("LangName"), name,
                              kCustomizerTextCapacity, ReadLanguageEncoding(path).codePage);
        entries.append({name, label});
    }
    return entries;
}

bool SameLanguageFileName(const QString& a, const QString& b) {
    const QLocale locale = QLocale::system();
    return locale.toUpper(a) == locale.toUpper(b);
}

} // namespace tikloom
