#pragma once
// The locale and the time formatting of the clock's caption. The theme's
// [Caption] Language names a C-runtime locale ("german", "english-uk", ...);
// it applies to the caption only, the rest of the process keeps its locale.
// The locale data comes with Qt, so no system locale has to be installed.

#include <QString>
#include <ctime>

namespace tikloom {

// Makes name the caption's locale. A name no locale answers to leaves the
// locale in force and returns false. An empty name means the user's own
// locale. Until the first success the caption uses the "C" locale.
bool ApplyCaptionLanguage(const QString& name);

// Qt's name of the caption locale in force ("de_DE", "C"); null until a name
// has been applied.
QString CaptionLocaleName();

// Formats time with format in the caption locale, as the Windows C runtime's
// wcsftime does, the "#" flag included. Empty when the result is empty or
// longer than kCaptionCapacity - 1 characters: then no caption is drawn.
constexpr int kCaptionCapacity = 256;
QString FormatCaption(const QString& format, const struct tm& time);

} // namespace tikloom
