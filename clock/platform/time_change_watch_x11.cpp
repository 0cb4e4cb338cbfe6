// A timer on the wall clock set far in the future and cancelled by the kernel
// whenever the clock is set (TFD_TIMER_CANCEL_ON_SET), plus a file watch on
// /etc/localtime for a new time zone. Neither wakes the clock otherwise.

#include "clock/platform/time_change_watch.h"

#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace tikloom {

namespace {
const char kZoneFile[] = "/etc/localtime";
constexpr time_t kFarFuture = 0x7fffffff;
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
    itimerspec spec{};
    spec.it_value.tv_sec = kFarFuture;
    timerfd_settime(timer_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &spec, nullptr);
}

} // namespace tikloom
