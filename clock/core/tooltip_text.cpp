#include "clock/core/tooltip_text.h"

#include <QDate>
#include <QTime>

namespace tikloom {

namespace {

// The locale's long time format without its time-zone part, which the
// time of day of a tooltip does not show.
QString TimeFormatWithSeconds(const QLocale& locale) {
    const QString longFormat = locale.timeFormat(QLocale::LongFormat);
    QString format;
    bool quoted = false;
    for (const QChar c : longFormat) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t'))
            format += c;
    }
    return format.simplified();
}

} // namespace

QString LongDateText(const ClockTime& time, const QLocale& locale) {
    const QDate date(time.Year, time.Month, time.Day);
    if (!date.isValid())
        return {};
    return locale.toString(date, QLocale::LongFormat);
}

QString TimeOfDayText(const ClockTime& time, const QLocale& locale) {
    const QTime clock(time.Hour, time.Minute, time.Second);
    return locale.toString(clock, TimeFormatWithSeconds(locale));
}

QString TrayTooltipText(const ClockTime& time, const QLocale& locale) {
    QString text = QLatin1String(kTrayTitle) + QLatin1Char('\n');
    text += LongDateText(time, locale).left(kTrayDateCapacity);
    text += QLatin1Char('\n');
    text += TimeOfDayText(time, locale);
    return text.left(kTooltipCapacity);
}

} // namespace tikloom
