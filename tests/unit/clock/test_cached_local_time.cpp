// The tick's local time follows a new time zone by the next second, without
// any watch telling it so.

#include "clock/core/cached_local_time.h"

#include <QtTest>
#include <cstdlib>
#include <ctime>

using namespace tikloom;

namespace {

// Sleeps until the wall clock's second has turned.
void WaitForNextSecond() {
    const time_t start = std::time(nullptr);
    while (std::time(nullptr) == start)
        QTest::qSleep(20);
}

int MinutesOfDay(const ClockTime& time) {
    return time.Hour * 60 + time.Minute;
}

} // namespace

class CachedLocalTimeTest : public QObject {
    Q_OBJECT

private slots:
    void newTimeZoneShowsAtTheNextSecond() {
        const QByteArray saved = qgetenv("TZ");
        qputenv("TZ", "UTC0");
        tzset();
        CachedLocalTime localTime;
        const ClockTime utc = localTime();

        // Three and a half hours east, as a zone change of the system would be.
        qputenv("TZ", "XYZ-3:30");
        WaitForNextSecond();
        const ClockTime east = localTime();

        const int shift = (MinutesOfDay(east) - MinutesOfDay(utc) + 24 * 60) % (24 * 60);
        if (saved.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", saved);
        tzset();
        // The minute may have turned meanwhile.
        QVERIFY2(shift == 210 || shift == 211, qPrintable(QString::number(shift)));
    }
};

QTEST_GUILESS_MAIN(CachedLocalTimeTest)
#include "test_cached_local_time.moc"
