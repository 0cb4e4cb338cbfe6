#pragma once
// Choice of the language file, the same rule for both programs.

#include <QString>

namespace tikloom {

// The user's language abbreviation in the Windows three-letter form (ENU,
// DEU, JPN, ...) from the first of LC_ALL, LC_MESSAGES and LANG that is set;
// empty when unknown. The C and POSIX locales give ENU (their texts are English).
QString UserLanguageAbbreviation();

// Maps a POSIX locale name ("de_DE.UTF-8", "ja_JP") to its three-letter
// abbreviation; a country the table does not know gives the language's main
// entry (de_BE gives DEU); empty when the language is unknown.
QString LanguageAbbreviationForLocale(const QString& posixLocale);

// languageSetting: [Locale] Language. Not empty: programFolder + setting
// (existence not tested). Empty: programFolder + abbreviation + ".lng" when
// that file exists, else programFolder + first two letters + ".lng". An empty
// abbreviation gives the empty path: no language file, every text its default.
QString ChooseLanguageFile(const QString& programFolder, const QString& languageSetting,
                           const QString& abbreviation);

} // namespace tikloom

namespace tikloom {

// Code page that decodes a language file's texts: UTF-8 (kAutoCodePage) when
// the file is valid UTF-8, whatever its Charset says; otherwise the code page
// of the font character set `charset` (its low eight bits). Both programs use
// it, so the clock's menus and the customizer's captions read alike.
int LanguageFileCodePage(const QString& languageFile, int charset);

} // namespace tikloom
