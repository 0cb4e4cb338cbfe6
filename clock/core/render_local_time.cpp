#include "clock/core/render_local_time.h"

#include <QDateTime>

namespace tikloom {

namespace {

constexpr int kTmYearBase = 1900;

ClockTime SystemLocalTime() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    ClockTime result;
    result.Year = static_cast<uint16_t>(date.year());
    result.Month = static_cast<uint16_t>(date.month());
    result.DayOfWeek = static_cast<uint16_t>(date.dayOfWeek() % 7); // Qt: Monday 1 .. Sunday 7
    result.Day = static_cast<uint16_t>(date.day());
    result.Hour = static_cast<uint16_t>(time.hour());
    result.Minute = static_cast<uint16_t>(time.minute());
    result.Second = static_cast<uint16_t>(time.second());
    result.Milliseconds = static_cast<uint16_t>(time.msec());
    return result;
}

} // namespace

ClockTime RenderLocalTime(const AppState& state) {
    return state.LocalTime ? state.LocalTime() : SystemLocalTime();
}

struct tm CaptionTimeFields(const ClockTime& time) {
    struct tm fields {};
    fields.tm_year = time.Year - kTmYearBase;
    fields.tm_mon = time.Month - 1;
    fields.tm_mday = time.Day;
    fields.tm_hour = time.Hour;
    fields.tm_min = time.Minute;
    fields.tm_sec = time.Second;
    fields.tm_wday = time.DayOfWeek;
    fields.tm_isdst = -1;

    // mktime works out the day of the year and the zone; it may move a time
    // that falls into a daylight-saving gap, so the fields shown stay ours.
    struct tm normalised = fields;
    if (mktime(&normalised) != static_cast<time_t>(-1)) {
        fields.tm_yday = normalised.tm_yday;
        fields.tm_isdst = normalised.tm_isdst;
#ifdef __GLIBC__
        fields.tm_gmtoff = normalised.tm_gmtoff;
        fields.tm_zone = normalised.tm_zone;
#endif
    } else {
        fields.tm_isdst = 0;
    }
    return fields;
}

} // namespace tikloom
