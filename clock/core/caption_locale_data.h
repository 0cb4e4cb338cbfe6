#pragma once
// Everything the caption takes from a locale: names, day periods and the
// date and time patterns behind "%x", "%#x" and "%X", read once when the
// theme's language is applied.

#include "clock/core/caption_pattern.h"

#include <QLocale>
#include <QString>
#include <array>

namespace tikloom {

struct CaptionLocaleData {
    QString Name;                         // Qt's name ("de_DE"), "C" for the runtime's own locale
    std::array<QString, 7> DayNamesShort; // Sunday first
    std::array<QString, 7> DayNamesLong;
    std::array<QString, 12> MonthNamesShort; // standing alone
    std::array<QString, 12> MonthNamesLong;
    std::array<QString, 12> MonthNamesShortInDate;
    std::array<QString, 12> MonthNamesLongInDate;
    QString Am;
    QString Pm;
    CaptionPattern ShortDate; // "%x"
    CaptionPattern LongDate;  // "%#x"
    CaptionPattern Time;      // "%X"
};

// The C runtime's "C" locale, in force until a language is applied: English
// names, "AM"/"PM", "03/07/26", "Saturday, March 07, 2026", "09:05:03".
CaptionLocaleData ClassicCaptionLocale();

// The caption data of a locale from Qt's own data, so no system locale is
// needed.
CaptionLocaleData CaptionLocaleFromQt(const QLocale& locale);

// The patterns as the Windows runtime shows them, built from Qt's formats:
// the short date with its year in four digits, and the short time with the
// seconds added after the minutes (Qt's long time would add the zone).
QString ShortDateFormatFor(const QLocale& locale);
QString TimeFormatFor(const QLocale& locale);

} // namespace tikloom
