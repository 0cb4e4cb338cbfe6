#pragma once
// The clock's own language texts: the five menu item captions.

#include "common/program_layout.h"

#include <QString>

namespace tikloom {

// "&" marks the access letter. Exit is shown in both menus.
struct MenuTexts {
    QString Minimize;
    QString Customize;
    QString About;
    QString Exit;
    QString Restore;
};

// The language file the clock uses: [Locale] Language of tikloom.ini when set
// (not tested for existence), else the file named after the user's language
// abbreviation (three letters, then two).
QString ChooseClockLanguageFile(const ProgramLayout& layout, const QString& userAbbreviation);

// [Tikloom] texts of languageFile; each missing one keeps its English default.
MenuTexts LoadMenuTexts(const QString& languageFile);

} // namespace tikloom
