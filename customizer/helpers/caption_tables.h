#pragma once
// The customizer's translatable captions: for each language-file key, the
// section it lives in, its built-in English text, the fixed suffix appended
// after the (translated) value, and the controls that show it.

#include <QString>
#include <QStringList>
#include <vector>

namespace tikloom {

// Suffixes appended after a caption value; the same in every language.
inline constexpr char kColonSuffix[] = ":";
inline constexpr char kPercentSuffix[] = " (%):";
inline constexpr char kEllipsisSuffix[] = "...";
inline constexpr char kSpacedColonSuffix[] = " :";

struct CaptionRow {
    const char* section;
    const char* key;
    const char* englishDefault;
    const char* suffix;   // "" for none
    QStringList controls; // object names of the form's controls
};

// Every caption row, in the order the language file lists them.
const std::vector<CaptionRow>& CaptionRows();

// The caption of a row as read from languageFile (decoded with codePage):
// the value, or the English default when the key is absent, followed by the
// row's suffix. An empty value gives the suffix alone.
QString ReadCaption(const QString& languageFile, const CaptionRow& row, int codePage);

} // namespace tikloom
