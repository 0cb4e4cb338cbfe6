#pragma once
// The caption's time formatting, as the Windows C runtime's wcsftime does it
// (theme authors write their patterns against it), from a locale's caption
// data instead of the runtime's locale tables.

#include "clock/core/caption_locale_data.h"
#include "clock/core/caption_pattern.h"

#include <QString>
#include <ctime>

namespace tikloom {

// Takes apart a pattern: %a %A %b %B %c %d %H %I %j %m %M %p %S %U %w %W %x %X
// %y %Y %z %Z %%, each also with "#" ("%#x" and "%#c" give the long date,
// numbers lose their leading zeros, other conversions are unchanged). Any
// other "%" sequence, and a "%" or "%#" at the end, stays as literal text.
CaptionPattern ParseCaptionFormat(const QString& format, const CaptionLocaleData& locale);

// Writes the pattern for time. "%z" is the offset from UTC ("+0100") and "%Z"
// the zone's abbreviation, both for the daylight-saving state tm_isdst gives;
// both are empty when that state is unknown (negative).
QString WriteCaption(const CaptionPattern& pattern, const struct tm& time,
                     const CaptionLocaleData& locale);

} // namespace tikloom
