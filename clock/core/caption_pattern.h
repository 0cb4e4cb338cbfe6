#pragma once
// A caption pattern taken apart once into the pieces the caption is written
// from, so that the once-a-second redraw only fills in numbers and names.

#include <QString>
#include <cstdint>
#include <vector>

namespace tikloom {

enum class CaptionField : uint8_t {
    Literal,
    DayNameShort,         // "Sat"
    DayNameLong,          // "Saturday"
    MonthNameShort,       // standing alone: "Mär"
    MonthNameLong,        // standing alone: "März"
    MonthNameShortInDate, // inside a date: "März", "сент."
    MonthNameLongInDate,  // inside a date: "марта"
    DayPeriod,            // "AM", "午前"
    DayOfMonth,
    Month,
    YearInCentury,
    Year,
    Hour24,
    Hour12,
    Minute,
    Second,
    DayOfYear, // 1-based
    WeekSundayFirst,
    WeekMondayFirst,
    Weekday,    // 0 Sunday
    ZoneOffset, // "+0100"
    ZoneName,   // "CET"
};

struct CaptionPiece {
    CaptionField field = CaptionField::Literal;
    uint8_t digits = 0; // numbers: width to pad with zeros; 0 none
    QString text;       // Literal only
};

using CaptionPattern = std::vector<CaptionPiece>;

// Appends a literal, merged into the previous piece when that is one too.
void AppendLiteral(CaptionPattern& pattern, const QString& text);
void AppendPattern(CaptionPattern& pattern, const CaptionPattern& more);

// Takes apart a date or time format in Qt's notation ("dddd, d. MMMM yyyy",
// "h:mm AP"): quoted text is literal, the zone ("t") is left out, and an
// "h" counts the 12-hour clock only when the format shows a day period.
CaptionPattern CompileQtPattern(const QString& format);

} // namespace tikloom
