// A timer on the wall clock set far ahead of now and cancelled by the kernel
// whenever the clock is set (TFD_TIMER_CANCEL_ON_SET), plus a file watch on
// /etc/localtime for a new time zone. Neither wakes the clock otherwise.

#include "clock/platform/time_change_watch.h"

#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <ctime>
#include <limits>
#include <sys/timerfd.h>
#include <unistd.h>

namespace tikloom {

namespace {
const char kZoneFile[] = "/etc/localtime";
// Far enough ahead never to fire in practice, counted from now: a fixed date
// would one day lie in the past and fire at once, again and again.
constexpr time_t kFarAheadSeconds = time_t{100} * 365 * 24 * 60 * 60;
} // namespace

TimeChangeWatch::TimeChangeWatch() {
    timer_ = timerfd_create(CLOCK_REALTIME, TFD_CLOEXEC | TFD_NONBLOCK);
    if (timer_ >= 0) {
        Arm();
        auto* notifier = new QSocketNotifier(timer_, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this] {
            uint64_t expirations = 0;
            [[maybe_unused]] const ssize_t got = read(timer_, &expirations, sizeof expirations);
            Arm(); // a cancelled timer must be set again to report the next change
            tzset();
            emit TimeChanged();
        });
    }
    auto* zoneWatch = new QFileSystemWatcher(this);
    zoneWatch->addPath(QString::fromLatin1(kZoneFile));
    connect(zoneWatch, &QFileSystemWatcher::fileChanged, this, [this, zoneWatch] {
        // The file is usually replaced, not written: watch the new one.
        if (!zoneWatch->files().contains(QString::fromLatin1(kZoneFile)))
            zoneWatch->addPath(QString::fromLatin1(kZoneFile));
        tzset();
        emit TimeChanged();
    });
}

TimeChangeWatch::~TimeChangeWatch() {
    if (timer_ >= 0)
        close(timer_);
}

void TimeChangeWatch::Arm() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    itimerspec spec{};
    spec.it_value.tv_sec = now.tv_sec > std::numeric_limits<time_t>::max() - kFarAheadSeconds
                               ? std::numeric_limits<time_t>::max()
                               : now.tv_sec + kFarAheadSeconds;
    timerfd_settime(timer_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &spec, nullptr);
}

} // namespace tikloom
