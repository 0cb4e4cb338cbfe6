#pragma once
// Choice of the language file, the same rule for both programs.

#include <QString>

namespace tikloom {

// The user's language abbreviation in the Windows three-letter form (ENU,
// DEU, JPN, ...) from LC_ALL, LC_MESSAGES or LANG; empty when unknown.
QString UserLanguageAbbreviation();

// Maps a POSIX locale name ("de_DE.UTF-8", "ja_JP") to its three-letter
// abbreviation; empty when the table does not know it.
QString LanguageAbbreviationForLocale(const QString& posixLocale);

// languageSetting: [Locale] Language. Not empty: programFolder + setting
// (existence not tested). Empty: programFolder + abbreviation + ".lng" when
// that file exists, else programFolder + first two letters + ".lng".
QString ChooseLanguageFile(const QString& programFolder, const QString& languageSetting,
                           const QString& abbreviation);

} // namespace tikloom
