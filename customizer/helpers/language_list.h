#pragma once
// The language files offered on the Options page.

#include <QList>
#include <QString>

namespace tikloom {

struct LanguageListEntry {
    QString fileName; // bare name with extension, as stored in the settings file
    QString label;    // [Language] LangName, or the file name
};

// Every *.lng file of programFolder (ending with "/"), in the order the file
// system lists them.
QList<LanguageListEntry> FindLanguageFiles(const QString& programFolder);

// True when two language file names are equal after upper-casing by the
// user's locale rules (file names on the original platform ignore case).
bool SameLanguageFileName(const QString& a, const QString& b);

} // namespace tikloom
