#include "clock/core/caption_locale_data.h"

#include <algorithm>

namespace tikloom {

namespace {

constexpr QChar kQuote = QLatin1Char('\'');

// Qt counts weekdays from Monday = 1, the C runtime from Sunday = 0.
int QtDayOfWeek(int runtimeDay) {
    return runtimeDay == 0 ? 7 : runtimeDay;
}

// Fills the names; the C locale passes QLocale::c(), whose names are English.
void ReadNames(const QLocale& locale, CaptionLocaleData& data) {
    for (int day = 0; day < 7; ++day) {
        // Windows abbreviates weekdays as dates write them ("Sa."), and
        // months as they stand alone ("Mär", not "März").
        data.DayNamesShort[day] = locale.dayName(QtDayOfWeek(day), QLocale::ShortFormat);
        data.DayNamesLong[day] = locale.dayName(QtDayOfWeek(day), QLocale::LongFormat);
    }
    for (int month = 0; month < 12; ++month) {
        data.MonthNamesShort[month] = locale.standaloneMonthName(month + 1, QLocale::ShortFormat);
        data.MonthNamesLong[month] = locale.standaloneMonthName(month + 1, QLocale::LongFormat);
        data.MonthNamesShortInDate[month] = locale.monthName(month + 1, QLocale::ShortFormat);
        data.MonthNamesLongInDate[month] = locale.monthName(month + 1, QLocale::LongFormat);
    }
}

bool IsHourLetter(QChar c) {
    return c == QLatin1Char('h') || c == QLatin1Char('H');
}

} // namespace

CaptionLocaleData ClassicCaptionLocale() {
    CaptionLocaleData data;
    data.Name = QStringLiteral("C");
    ReadNames(QLocale::c(), data);
    data.Am = QStringLiteral("AM");
    data.Pm = QStringLiteral("PM");
    data.ShortDate = CompileQtPattern(QStringLiteral("MM/dd/yy"));
    data.LongDate = CompileQtPattern(QStringLiteral("dddd, MMMM dd, yyyy"));
    data.Time = CompileQtPattern(QStringLiteral("HH:mm:ss"));
    return data;
}

CaptionLocaleData CaptionLocaleFromQt(const QLocale& locale) {
    CaptionLocaleData data;
    data.Name = locale.name();
    ReadNames(locale, data);
    data.Am = locale.amText();
    data.Pm = locale.pmText();
    data.ShortDate = CompileQtPattern(ShortDateFormatFor(locale));
    data.LongDate = CompileQtPattern(locale.dateFormat(QLocale::LongFormat));
    data.Time = CompileQtPattern(TimeFormatFor(locale));
    return data;
}

// Only the year changes: days and months keep Qt's leading zeros, which are
// also those of Windows's own locale settings ("dd.MM.yyyy" in German,
// "yyyy/MM/dd" in Japanese), even though some runtimes' tables drop them
// ("7.3.2026").
QString ShortDateFormatFor(const QLocale& locale) {
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        quoted = c == kQuote ? !quoted : quoted;
        if (quoted || c != QLatin1Char('y')) {
            result += c;
            continue;
        }
        while (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('y')) {
            ++i;
        }
        result += QLatin1String("yyyy");
    }
    return result;
}

QString TimeFormatFor(const QLocale& locale) {
    const QString shortTime = locale.timeFormat(QLocale::ShortFormat);
    if (shortTime.contains(QLatin1Char('s'))) {
        return shortTime;
    }
    // The separator is what stands between the hour and the minutes ("HH.mm"
    // gives "HH.mm.ss"). Where that is quoted text ("HH 'h' mm") it cannot be
    // repeated, and the long format, without its zone, is taken instead.
    const qsizetype minutes = shortTime.indexOf(QLatin1String("mm"));
    qsizetype hourEnd = minutes;
    while (hourEnd > 0 && !IsHourLetter(shortTime.at(hourEnd - 1))) {
        --hourEnd;
    }
    const QString separator = shortTime.mid(hourEnd, minutes - hourEnd);
    const bool plainSeparator =
        !separator.isEmpty() && !separator.contains(kQuote) &&
        std::none_of(separator.begin(), separator.end(), [](QChar c) { return c.isLetter(); });
    if (minutes < 0 || hourEnd == 0 || !plainSeparator) {
        return locale.timeFormat(QLocale::LongFormat);
    }
    const qsizetype afterMinutes = minutes + 2;
    return shortTime.left(afterMinutes) + separator + QLatin1String("ss") +
           shortTime.mid(afterMinutes);
}

} // namespace tikloom
