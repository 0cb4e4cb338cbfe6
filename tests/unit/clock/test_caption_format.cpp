// The caption's locale and time formatting: the C runtime's locale names and
// "#" flag on glibc, and the 255-character limit.

#include "clock/core/caption_locale.h"

#include <QTest>
#include <clocale>

using namespace tikloom;

namespace {

// Tuesday 5 March 2024, 07:08:09.
struct tm SampleTime(int hour = 7) {
    struct tm time {};
    time.tm_year = 2024 - 1900;
    time.tm_mon = 2;
    time.tm_mday = 5;
    time.tm_wday = 2;
    time.tm_yday = 64;
    time.tm_hour = hour;
    time.tm_min = 8;
    time.tm_sec = 9;
    return time;
}

void RequireLocale(const char* runtimeName, const char* platformName) {
    if (!ApplyCaptionLanguage(QString::fromUtf8(runtimeName))) {
        QSKIP(qPrintable(QStringLiteral("locale %1 is not installed").arg(platformName)));
    }
    QCOMPARE(CaptionLocaleName(), QString::fromUtf8(platformName));
}

} // namespace

// Slots run in this order; the first ones see the process before any
// language has been applied.
class TestCaptionFormat : public QObject {
    Q_OBJECT

private slots:
    void startsInClassicLocale() {
        QVERIFY(CaptionLocaleName().isNull());
        QCOMPARE(FormatCaption(QStringLiteral("%p"), SampleTime(9)), QStringLiteral("AM"));
        QCOMPARE(FormatCaption(QStringLiteral("%p"), SampleTime(15)), QStringLiteral("PM"));
        QCOMPARE(FormatCaption(QStringLiteral("%a %b"), SampleTime()), QStringLiteral("Tue Mar"));
    }

    void unknownNameBeforeAnySuccessStaysClassic() {
        QVERIFY(!ApplyCaptionLanguage(QStringLiteral("no-such-language")));
        QVERIFY(CaptionLocaleName().isNull());
        QCOMPARE(FormatCaption(QStringLiteral("%p"), SampleTime(15)), QStringLiteral("PM"));
    }

    void hashFlagDropsLeadingZeros() {
        const struct tm time = SampleTime();
        QCOMPARE(FormatCaption(QStringLiteral("%#m/%d"), time), QStringLiteral("3/05"));
        QCOMPARE(FormatCaption(QStringLiteral("%#d"), time), QStringLiteral("5"));
        QCOMPARE(FormatCaption(QStringLiteral("%#H:%#M:%#S"), time), QStringLiteral("7:8:9"));
        QCOMPARE(FormatCaption(QStringLiteral("%#I %#j"), time), QStringLiteral("7 65"));
        QCOMPARE(FormatCaption(QStringLiteral("%#y"), SampleTime()), QStringLiteral("24"));
        // On names "#" means nothing (glibc would change their case).
        QCOMPARE(FormatCaption(QStringLiteral("%#a %#B %#p"), time),
                 QStringLiteral("Tue March AM"));
        QCOMPARE(FormatCaption(QStringLiteral("100%% %#%"), time), QStringLiteral("100% %"));
    }

    void hashFlagLongDateInClassicLocale() {
        const struct tm time = SampleTime();
        QCOMPARE(FormatCaption(QStringLiteral("%#x"), time),
                 QStringLiteral("Tuesday, March 05, 2024"));
        QCOMPARE(FormatCaption(QStringLiteral("%#c"), time),
                 QStringLiteral("Tuesday, March 05, 2024, 07:08:09"));
    }

    void malformedPatternsDoNotCrash() {
        const struct tm time = SampleTime();
        QCOMPARE(FormatCaption(QStringLiteral("50%"), time), QStringLiteral("50%"));
        QCOMPARE(FormatCaption(QStringLiteral("50%#"), time), QStringLiteral("50%#"));
        QCOMPARE(FormatCaption(QStringLiteral("%"), time), QStringLiteral("%"));
        QVERIFY(!FormatCaption(QStringLiteral("%Q%K%~"), time).isNull());
        // A width that would need far more than the buffer gives no caption.
        QCOMPARE(FormatCaption(QStringLiteral("%999999999d"), time), QString());
        QCOMPARE(FormatCaption(QString(), time), QString());
    }

    void resultLimitedTo255Characters() {
        const struct tm time = SampleTime();
        const QString fits(255, QLatin1Char('x'));
        QCOMPARE(FormatCaption(fits, time), fits);
        QCOMPARE(FormatCaption(QString(256, QLatin1Char('x')), time), QString());
        // The limit applies to the result, not the pattern: "Tuesday, " is 9.
        QCOMPARE(FormatCaption(QStringLiteral("%A, ").repeated(29), time), QString());
        QCOMPARE(FormatCaption(QStringLiteral("%A, ").repeated(28), time).size(), 9 * 28);
    }

    void germanNames() {
        const QByteArray processLocale = std::setlocale(LC_ALL, nullptr);
        RequireLocale("german", "de_DE.UTF-8");
        const struct tm time = SampleTime();
        QCOMPARE(FormatCaption(QStringLiteral("%a"), time), QStringLiteral("Di"));
        QCOMPARE(FormatCaption(QStringLiteral("%A %B"), time), QStringLiteral(u"Dienstag März"));
        QCOMPARE(FormatCaption(QStringLiteral("%#x"), time),
                 QStringLiteral(u"Dienstag, 5. März 2024"));
        // The rest of the process keeps its locale.
        QCOMPARE(QByteArray(std::setlocale(LC_ALL, nullptr)), processLocale);
    }

    void unknownNameKeepsPreviousLocale() {
        RequireLocale("GERMAN", "de_DE.UTF-8");
        QVERIFY(!ApplyCaptionLanguage(QStringLiteral("klingon")));
        QVERIFY(!ApplyCaptionLanguage(QStringLiteral("xx_YY.UTF-8")));
        QCOMPARE(CaptionLocaleName(), QStringLiteral("de_DE.UTF-8"));
        QCOMPARE(FormatCaption(QStringLiteral("%a"), SampleTime()), QStringLiteral("Di"));
    }

    void platformNameAsItStands() {
        RequireLocale("de_DE.UTF-8", "de_DE.UTF-8");
        QCOMPARE(FormatCaption(QStringLiteral("%A"), SampleTime()), QStringLiteral("Dienstag"));
    }

    void japaneseDayPattern() {
        RequireLocale("japanese", "ja_JP.UTF-8");
        QCOMPARE(FormatCaption(QStringLiteral(u"%d日 (%a)"), SampleTime()),
                 QStringLiteral(u"05日 (火)"));
    }

    void britishDate() {
        RequireLocale("english-uk", "en_GB.UTF-8");
        QCOMPARE(FormatCaption(QStringLiteral("%x"), SampleTime()), QStringLiteral("05/03/24"));
    }

    void englishMeansUnitedStates() {
        RequireLocale("English", "en_US.UTF-8");
        QCOMPARE(FormatCaption(QStringLiteral("%x %p"), SampleTime(15)),
                 QStringLiteral("03/05/2024 PM"));
    }
};

QTEST_GUILESS_MAIN(TestCaptionFormat)
#include "test_caption_format.moc"
