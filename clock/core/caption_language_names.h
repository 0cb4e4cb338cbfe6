#pragma once
// Which locale a theme's [Caption] Language names. Themes use the Windows C
// runtime's language names ("german", "english-uk", "spanish-mexican");
// locale names such as "de_DE" or "de-DE" work too.

#include <QString>

namespace tikloom {

// Qt's name of the locale ("de_DE"), "C" for the runtime's own locale, or a
// null string for a name no locale answers to. Case does not matter.
QString CaptionQtLocaleName(const QString& languageName);

} // namespace tikloom
