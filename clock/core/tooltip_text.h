#pragma once
// Texts of the clock's two tooltips: the hover tooltip (the long date of the
// shown time) and the tray icon's three lines.

#include "clock/core/clock_time.h"

#include <QLocale>
#include <QString>

namespace tikloom {

constexpr int kTooltipCapacity = 63;  // characters, without the terminator
constexpr int kTrayDateCapacity = 55; // characters of the date line
inline constexpr char kTrayTitle[] = "Tikloom";

// The long date of `time` in the locale's long date format; empty for a
// time that names no valid date.
QString LongDateText(const ClockTime& time, const QLocale& locale);

// The time of day with seconds in the locale's time format.
QString TimeOfDayText(const ClockTime& time, const QLocale& locale);

// "Tikloom", the long date (at most 55 characters) and the time, one per
// line, cut to 63 characters in all.
QString TrayTooltipText(const ClockTime& time, const QLocale& locale);

} // namespace tikloom
