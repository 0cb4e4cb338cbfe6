#include "clock/core/render_local_time.h"

#include "clock/core/cached_local_time.h"

#include <QByteArray>

namespace tikloom {

namespace {

constexpr int kTmYearBase = 1900;

// Without a source of its own the renderer reads the system clock the way
// the running clock does.
ClockTime SystemLocalTime() {
    static CachedLocalTime systemTime;
    return systemTime();
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
    fields.tm_isdst = time.DaylightSaving;

    // mktime works out the day of the year and the zone; it may move a time
    // that falls into a daylight-saving gap, so the fields shown stay ours.
    // Given the summer-time flag it picks the right one of a repeated hour.
    // It also reads the zone file each call, so its answer is kept for the
    // minute (zone changes happen on minute boundaries) and for the zone in
    // force.
    struct ZoneFields {
        int yday = 0;
        int isdst = 0;
        long gmtoff = 0;
        const char* zone = nullptr;
    };
    static ClockTime lastMinute;
    static long lastTimezone = 0;
    static QByteArray lastZoneNames;
    static ZoneFields last;
    static bool known = false;
    const QByteArray zoneNames = QByteArray(tzname[0]) + ',' + QByteArray(tzname[1]);
    if (!known || time.Year != lastMinute.Year || time.Month != lastMinute.Month ||
        time.Day != lastMinute.Day || time.Hour != lastMinute.Hour ||
        time.Minute != lastMinute.Minute || time.DaylightSaving != lastMinute.DaylightSaving ||
        timezone != lastTimezone || zoneNames != lastZoneNames) {
        struct tm normalised = fields;
        last = ZoneFields{};
        if (mktime(&normalised) != static_cast<time_t>(-1)) {
            last.yday = normalised.tm_yday;
            last.isdst = normalised.tm_isdst;
#ifdef __GLIBC__
            last.gmtoff = normalised.tm_gmtoff;
            last.zone = normalised.tm_zone;
#endif
        }
        lastMinute = time;
        lastTimezone = timezone;
        lastZoneNames = QByteArray(tzname[0]) + ',' + QByteArray(tzname[1]);
        known = true;
    }
    fields.tm_yday = last.yday;
    fields.tm_isdst = last.isdst;
#ifdef __GLIBC__
    fields.tm_gmtoff = last.gmtoff;
    fields.tm_zone = last.zone;
#endif
    return fields;
}

} // namespace tikloom
