#include "clock/core/caption_formatter.h"

namespace tikloom {

namespace {

constexpr int kTmYearBase = 1900;
constexpr int kDaysPerWeek = 7;
constexpr long kSecondsPerMinute = 60;
constexpr QChar kPercent = QLatin1Char('%');

CaptionPiece Number(CaptionField field, bool dropZeros, uint8_t digits = 2) {
    return {field, static_cast<uint8_t>(dropZeros ? 0 : digits), {}};
}

CaptionPiece Name(CaptionField field) {
    return {field, 0, {}};
}

CaptionPattern DateAndTime(const CaptionPattern& date, const CaptionLocaleData& locale) {
    CaptionPattern pattern = date;
    AppendLiteral(pattern, QStringLiteral(" "));
    AppendPattern(pattern, locale.Time);
    return pattern;
}

// Appends one conversion; false for a letter the runtime does not know.
bool AppendConversion(CaptionPattern& pattern, QChar conversion, bool alternate,
                      const CaptionLocaleData& locale) {
    switch (conversion.unicode()) {
    case 'a':
        pattern.push_back(Name(CaptionField::DayNameShort));
        return true;
    case 'A':
        pattern.push_back(Name(CaptionField::DayNameLong));
        return true;
    case 'b':
        pattern.push_back(Name(CaptionField::MonthNameShort));
        return true;
    case 'B':
        pattern.push_back(Name(CaptionField::MonthNameLong));
        return true;
    case 'c':
        AppendPattern(pattern, DateAndTime(alternate ? locale.LongDate : locale.ShortDate, locale));
        return true;
    case 'd':
        pattern.push_back(Number(CaptionField::DayOfMonth, alternate));
        return true;
    case 'H':
        pattern.push_back(Number(CaptionField::Hour24, alternate));
        return true;
    case 'I':
        pattern.push_back(Number(CaptionField::Hour12, alternate));
        return true;
    case 'j':
        pattern.push_back(Number(CaptionField::DayOfYear, alternate, 3));
        return true;
    case 'm':
        pattern.push_back(Number(CaptionField::Month, alternate));
        return true;
    case 'M':
        pattern.push_back(Number(CaptionField::Minute, alternate));
        return true;
    case 'p':
        pattern.push_back(Name(CaptionField::DayPeriod));
        return true;
    case 'S':
        pattern.push_back(Number(CaptionField::Second, alternate));
        return true;
    case 'U':
        pattern.push_back(Number(CaptionField::WeekSundayFirst, alternate));
        return true;
    case 'w':
        pattern.push_back(Number(CaptionField::Weekday, true));
        return true;
    case 'W':
        pattern.push_back(Number(CaptionField::WeekMondayFirst, alternate));
        return true;
    case 'x':
        AppendPattern(pattern, alternate ? locale.LongDate : locale.ShortDate);
        return true;
    case 'X':
        AppendPattern(pattern, locale.Time);
        return true;
    case 'y':
        pattern.push_back(Number(CaptionField::YearInCentury, alternate));
        return true;
    case 'Y':
        pattern.push_back(Number(CaptionField::Year, true));
        return true;
    case 'z':
        pattern.push_back(Name(CaptionField::ZoneOffset));
        return true;
    case 'Z':
        pattern.push_back(Name(CaptionField::ZoneName));
        return true;
    case '%':
        AppendLiteral(pattern, QString(kPercent));
        return true;
    default:
        return false;
    }
}

void AppendNumber(QString& out, long value, int digits) {
    if (value < 0) {
        out += QLatin1Char('-');
        value = -value;
    }
    char text[24];
    int length = 0;
    do {
        text[length++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (int pad = length; pad < digits; ++pad) {
        out += QLatin1Char('0');
    }
    while (length > 0) {
        out += QLatin1Char(text[--length]);
    }
}

template <size_t N> const QString& NameAt(const std::array<QString, N>& names, int index) {
    static const QString unknown = QStringLiteral("?");
    return index >= 0 && static_cast<size_t>(index) < N ? names[static_cast<size_t>(index)]
                                                        : unknown;
}

long ZoneOffsetSeconds(const struct tm& time) {
#ifdef __GLIBC__
    return time.tm_gmtoff;
#else
    // Without the offset in the fields: the zone's standard offset, and the
    // usual hour more in summer time.
    constexpr long kSecondsPerHour = 3600;
    return -static_cast<long>(timezone) + (time.tm_isdst > 0 ? kSecondsPerHour : 0);
#endif
}

void AppendZoneOffset(QString& out, const struct tm& time) {
    if (time.tm_isdst < 0) {
        return;
    }
    const long offset = ZoneOffsetSeconds(time);
    const long minutes = (offset < 0 ? -offset : offset) / kSecondsPerMinute;
    out += offset < 0 ? QLatin1Char('-') : QLatin1Char('+');
    AppendNumber(out, minutes / 60 * 100 + minutes % 60, 4);
}

void AppendZoneName(QString& out, const struct tm& time) {
    if (time.tm_isdst < 0) {
        return;
    }
#ifdef __GLIBC__
    if (time.tm_zone != nullptr) {
        out += QString::fromLocal8Bit(time.tm_zone);
        return;
    }
#endif
    out += QString::fromLocal8Bit(tzname[time.tm_isdst > 0 ? 1 : 0]);
}

int WeekOfYear(const struct tm& time, int firstDayOfWeek) {
    const int daysIntoWeek = (time.tm_wday - firstDayOfWeek + kDaysPerWeek) % kDaysPerWeek;
    return (time.tm_yday + kDaysPerWeek - daysIntoWeek) / kDaysPerWeek;
}

void AppendPiece(QString& out, const CaptionPiece& piece, const struct tm& time,
                 const CaptionLocaleData& locale) {
    const int year = time.tm_year + kTmYearBase;
    switch (piece.field) {
    case CaptionField::Literal:
        out += piece.text;
        return;
    case CaptionField::DayNameShort:
        out += NameAt(locale.DayNamesShort, time.tm_wday);
        return;
    case CaptionField::DayNameLong:
        out += NameAt(locale.DayNamesLong, time.tm_wday);
        return;
    case CaptionField::MonthNameShort:
        out += NameAt(locale.MonthNamesShort, time.tm_mon);
        return;
    case CaptionField::MonthNameLong:
        out += NameAt(locale.MonthNamesLong, time.tm_mon);
        return;
    case CaptionField::MonthNameShortInDate:
        out += NameAt(locale.MonthNamesShortInDate, time.tm_mon);
        return;
    case CaptionField::MonthNameLongInDate:
        out += NameAt(locale.MonthNamesLongInDate, time.tm_mon);
        return;
    case CaptionField::DayPeriod:
        out += time.tm_hour < 12 ? locale.Am : locale.Pm;
        return;
    case CaptionField::DayOfMonth:
        AppendNumber(out, time.tm_mday, piece.digits);
        return;
    case CaptionField::Month:
        AppendNumber(out, time.tm_mon + 1, piece.digits);
        return;
    case CaptionField::YearInCentury:
        AppendNumber(out, (year % 100 + 100) % 100, piece.digits);
        return;
    case CaptionField::Year:
        AppendNumber(out, year, piece.digits);
        return;
    case CaptionField::Hour24:
        AppendNumber(out, time.tm_hour, piece.digits);
        return;
    case CaptionField::Hour12:
        AppendNumber(out, time.tm_hour % 12 == 0 ? 12 : time.tm_hour % 12, piece.digits);
        return;
    case CaptionField::Minute:
        AppendNumber(out, time.tm_min, piece.digits);
        return;
    case CaptionField::Second:
        AppendNumber(out, time.tm_sec, piece.digits);
        return;
    case CaptionField::DayOfYear:
        AppendNumber(out, time.tm_yday + 1, piece.digits);
        return;
    case CaptionField::WeekSundayFirst:
        AppendNumber(out, WeekOfYear(time, 0), piece.digits);
        return;
    case CaptionField::WeekMondayFirst:
        AppendNumber(out, WeekOfYear(time, 1), piece.digits);
        return;
    case CaptionField::Weekday:
        AppendNumber(out, time.tm_wday, piece.digits);
        return;
    case CaptionField::ZoneOffset:
        AppendZoneOffset(out, time);
        return;
    case CaptionField::ZoneName:
        AppendZoneName(out, time);
        return;
    }
}

} // namespace

CaptionPattern ParseCaptionFormat(const QString& format, const CaptionLocaleData& locale) {
    CaptionPattern pattern;
    QString literal;
    const qsizetype size = format.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = format.at(i);
        if (c != kPercent) {
            literal += c;
            continue;
        }
        const qsizetype start = i;
        const bool alternate = i + 1 < size && format.at(i + 1) == QLatin1Char('#');
        i += alternate ? 2 : 1;
        if (i >= size) {
            literal += format.mid(start); // "%" or "%#" at the end
            break;
        }
        AppendLiteral(pattern, literal);
        literal.clear();
        if (!AppendConversion(pattern, format.at(i), alternate, locale)) {
            literal = format.mid(start, i - start + 1);
        }
    }
    AppendLiteral(pattern, literal);
    return pattern;
}

QString WriteCaption(const CaptionPattern& pattern, const struct tm& time,
                     const CaptionLocaleData& locale) {
    QString out;
    // A lone name is shared, not copied.
    if (pattern.size() > 1) {
        out.reserve(64);
    }
    for (const CaptionPiece& piece : pattern) {
        AppendPiece(out, piece, time, locale);
    }
    return out;
}

} // namespace tikloom
