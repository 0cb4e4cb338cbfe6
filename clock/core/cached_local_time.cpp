#include "clock/core/cached_local_time.h"

namespace tikloom {

namespace {
constexpr int kTmYearBase = 1900;
constexpr long kNanosecondsPerMillisecond = 1000000;

// The broken-down local time of a second, without the C library's shared buffer.
void LocalFields(time_t second, tm& fields) {
#ifdef _WIN32
    localtime_s(&fields, &second);
#else
    localtime_r(&second, &fields);
#endif
}
} // namespace

ClockTime CachedLocalTime::operator()() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    if (now.tv_sec != second_) {
        // The C library looks at the zone file again (one stat) and reads it
        // only when it changed: a new time zone shows within the second.
        tzset();
        tm fields{};
        LocalFields(now.tv_sec, fields);
        cached_.Year = static_cast<uint16_t>(fields.tm_year + kTmYearBase);
        cached_.Month = static_cast<uint16_t>(fields.tm_mon + 1);
        cached_.DayOfWeek = static_cast<uint16_t>(fields.tm_wday);
        cached_.Day = static_cast<uint16_t>(fields.tm_mday);
        cached_.Hour = static_cast<uint16_t>(fields.tm_hour);
        cached_.Minute = static_cast<uint16_t>(fields.tm_min);
        // A leap second (60) shows as 59, as the shown time has no 60th second.
        cached_.Second = static_cast<uint16_t>(fields.tm_sec > 59 ? 59 : fields.tm_sec);
        cached_.DaylightSaving = static_cast<int8_t>(fields.tm_isdst > 0 ? 1 : 0);
        second_ = now.tv_sec;
    }
    cached_.Milliseconds = static_cast<uint16_t>(now.tv_nsec / kNanosecondsPerMillisecond);
    return cached_;
}

} // namespace tikloom
