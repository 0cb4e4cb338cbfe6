// The caption's locale and time formatting: the C runtime's language names and
// conversions with the "#" flag, from Qt's locale data, and the 255-character
// limit. Runs where glibc has no locales at all (see tests/CMakeLists.txt).

#include "clock/core/caption_language_names.h"
#include "clock/core/caption_locale.h"
#include "clock/core/caption_locale_data.h"
#include "clock/core/clock_time.h"
#include "clock/core/render_local_time.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>
#include <clocale>
#include <cstdlib>

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

QString Caption(const char* format, const struct tm& time = SampleTime()) {
    return FormatCaption(QString::fromUtf8(format), time);
}

void Apply(const char* language, const char* qtName) {
    QVERIFY(ApplyCaptionLanguage(QString::fromUtf8(language)));
    QCOMPARE(CaptionLocaleName(), QString::fromUtf8(qtName));
}

} // namespace

// Slots run in this order; the first ones see the process before any
// language has been applied.
class TestCaptionFormat : public QObject {
    Q_OBJECT

private slots:
    void noSystemLocalesWhereAsked() {
        const QString folder = qEnvironmentVariable("LOCPATH");
        if (folder.isEmpty()) {
            QSKIP("LOCPATH not set: the system's locales may be visible");
        }
        // glibc looks for locales only there, so nothing below can lean on a
        // generated one.
        QVERIFY(QDir(folder).exists());
        QVERIFY(QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }

    void startsInClassicLocale() {
        QVERIFY(CaptionLocaleName().isNull());
        QCOMPARE(Caption("%p", SampleTime(9)), QStringLiteral("AM"));
        QCOMPARE(Caption("%p", SampleTime(15)), QStringLiteral("PM"));
        QCOMPARE(Caption("%a %b"), QStringLiteral("Tue Mar"));
        QCOMPARE(Caption("%x %X"), QStringLiteral("03/05/24 07:08:09"));
        QCOMPARE(Caption("%#x"), QStringLiteral("Tuesday, March 05, 2024"));
        // No comma between the long date and the time.
        QCOMPARE(Caption("%#c"), QStringLiteral("Tuesday, March 05, 2024 07:08:09"));
    }

    void unknownNameBeforeAnySuccessStaysClassic() {
        QVERIFY(!ApplyCaptionLanguage(QStringLiteral("no-such-language")));
        QVERIFY(CaptionLocaleName().isNull());
        QCOMPARE(Caption("%p", SampleTime(15)), QStringLiteral("PM"));
    }

    void numbersAndTheHashFlag() {
        QCOMPARE(Caption("%#m/%d"), QStringLiteral("3/05"));
        QCOMPARE(Caption("%#d %#H:%#M:%#S"), QStringLiteral("5 7:8:9"));
        QCOMPARE(Caption("%I %#I %j %#j"), QStringLiteral("07 7 065 65"));
        QCOMPARE(Caption("%y %Y %w"), QStringLiteral("24 2024 2"));
        // Weeks: 5 March 2024 is in week 09 counted from the first Sunday
        // (7 January) and from the first Monday (1 January).
        QCOMPARE(Caption("%U %W %#U"), QStringLiteral("09 10 9"));
        struct tm early = SampleTime();
        early.tm_year = 2005 - 1900;
        QCOMPARE(Caption("%y %#y", early), QStringLiteral("05 5"));
        // Noon and midnight on the 12-hour clock.
        QCOMPARE(Caption("%I %p", SampleTime(0)), QStringLiteral("12 AM"));
        QCOMPARE(Caption("%I %p", SampleTime(12)), QStringLiteral("12 PM"));
        // On names "#" means nothing.
        QCOMPARE(Caption("%#a %#B %#p %#X"), QStringLiteral("Tue March AM 07:08:09"));
        QCOMPARE(Caption("100%% %#%"), QStringLiteral("100% %"));
    }

    void malformedPatternsStayLiteral() {
        QCOMPARE(Caption("50%"), QStringLiteral("50%"));
        QCOMPARE(Caption("50%#"), QStringLiteral("50%#"));
        QCOMPARE(Caption("%"), QStringLiteral("%"));
        QCOMPARE(Caption("%Q%K%~ %#q"), QStringLiteral("%Q%K%~ %#q"));
        // The runtime knows no widths.
        QCOMPARE(Caption("%999999999d"), QStringLiteral("%999999999d"));
        QCOMPARE(FormatCaption(QString(), SampleTime()), QString());
        // Out-of-range fields (a hand-made tm) give a mark, not a crash.
        struct tm odd = SampleTime();
        odd.tm_wday = 9;
        odd.tm_mon = -1;
        QCOMPARE(Caption("%a %B", odd), QStringLiteral("? ?"));
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

    void germanWithoutSystemLocale() {
        const QByteArray processLocale = std::setlocale(LC_ALL, nullptr);
        Apply("german", "de_DE");
        QCOMPARE(Caption("%a|%A|%b|%B|%p"), QStringLiteral(u"Di.|Dienstag|Mär|März|AM"));
        QCOMPARE(Caption("%x %X"), QStringLiteral("05.03.2024 07:08:09"));
        QCOMPARE(Caption("%#x"), QStringLiteral(u"Dienstag, 5. März 2024"));
        // The rest of the process keeps its locale.
        QCOMPARE(QByteArray(std::setlocale(LC_ALL, nullptr)), processLocale);
    }

    void unknownNameKeepsPreviousLocale() {
        Apply("GERMAN", "de_DE");
        QVERIFY(!ApplyCaptionLanguage(QStringLiteral("klingon")));
        QVERIFY(!ApplyCaptionLanguage(QStringLiteral("xx_YY.UTF-8")));
        QVERIFY(!ApplyCaptionLanguage(QStringLiteral("de_XX")));
        QVERIFY(!ApplyCaptionLanguage(QStringLiteral(" german")));
        QVERIFY(!ApplyCaptionLanguage(QStringLiteral("german") + QChar(0)));
        QCOMPARE(CaptionLocaleName(), QStringLiteral("de_DE"));
        QCOMPARE(Caption("%a"), QStringLiteral("Di."));
    }

    void localeCodesWork() {
        Apply("de_AT.UTF-8", "de_AT");
        QCOMPARE(Caption("%B"), QStringLiteral(u"März"));
        Apply("fr-CA", "fr_CA");
        QCOMPARE(Caption("%A"), QStringLiteral("mardi"));
        Apply("JA_jp", "ja_JP");
        Apply("C", "C");
        QCOMPARE(Caption("%x"), QStringLiteral("03/05/24"));
    }

    void japanese() {
        Apply("japanese", "ja_JP");
        QCOMPARE(Caption("%d日 (%a)"), QStringLiteral(u"05日 (火)"));
        // No leading blank before a one-digit month.
        QCOMPARE(Caption("%b %p"), QStringLiteral(u"3月 午前"));
        QCOMPARE(Caption("%X"), QStringLiteral("7:08:09"));
    }

    void englishDates() {
        Apply("english-uk", "en_GB");
        QCOMPARE(Caption("%x %p"), QStringLiteral("05/03/2024 am"));
        Apply("English", "en_US");
        // Four-digit year, and no leading zero on the 12-hour clock.
        QCOMPARE(Caption("%x %X", SampleTime(15)), QStringLiteral("3/5/2024 3:08:09 PM"));
        QCOMPARE(Caption("%#c"), QStringLiteral("Tuesday, March 5, 2024 7:08:09 AM"));
    }

    // Every name the customizer offers selects a locale Qt has data for, and
    // each reads differently from English where its language is not English.
    void everyOfferedLanguageHasQtData() {
        const char* offered[] = {"english",
                                 "japanese",
                                 "chinese-simplified",
                                 "chinese-traditional",
                                 "czech",
                                 "danish",
                                 "dutch",
                                 "dutch-belgian",
                                 "english-aus",
                                 "english-can",
                                 "english-nz",
                                 "english-uk",
                                 "english-usa",
                                 "finnish",
                                 "french",
                                 "french-belgian",
                                 "french-canadian",
                                 "french-swiss",
                                 "german",
                                 "german-austrian",
                                 "german-swiss",
                                 "greek",
                                 "hungarian",
                                 "icelandic",
                                 "italian",
                                 "italian-swiss",
                                 "korean",
                                 "norwegian",
                                 "norwegian-bokmal",
                                 "norwegian-nynorsk",
                                 "polish",
                                 "portuguese",
                                 "portuguese-brazil",
                                 "russian",
                                 "slovak",
                                 "spanish",
                                 "spanish-mexican",
                                 "spanish-modern",
                                 "swedish",
                                 "turkish"};
        for (const char* name : offered) {
            const QString qtName = CaptionQtLocaleName(QString::fromLatin1(name));
            QVERIFY2(!qtName.isEmpty(), name);
            QCOMPARE(QLocale(qtName).name(), qtName);
            QVERIFY(ApplyCaptionLanguage(QString::fromLatin1(name)));
            const QString day = Caption("%A");
            QVERIFY2(!day.isEmpty(), name);
            if (!qtName.startsWith(QLatin1String("en"))) {
                QVERIFY2(day != QLatin1String("Tuesday"), name);
            }
        }
    }

    // Qt's formats made to read as Windows writes them.
    void patternsFromQtData() {
        QCOMPARE(ShortDateFormatFor(QLocale(QStringLiteral("de_DE"))),
                 QStringLiteral("dd.MM.yyyy"));
        QCOMPARE(ShortDateFormatFor(QLocale(QStringLiteral("ko_KR"))),
                 QStringLiteral("yyyy. M. d."));
        QCOMPARE(TimeFormatFor(QLocale(QStringLiteral("en_US"))), QStringLiteral("h:mm:ss AP"));
        QCOMPARE(TimeFormatFor(QLocale(QStringLiteral("fi_FI"))), QStringLiteral("H.mm.ss"));
        QCOMPARE(TimeFormatFor(QLocale(QStringLiteral("ko_KR"))), QStringLiteral("AP h:mm:ss"));
        Apply("nn_NO", "nn_NO");
        QCOMPARE(Caption("%X"), QStringLiteral("07:08:09"));
        // A quoted separator cannot be repeated: the long time without zone.
        Apply("french-canadian", "fr_CA");
        QCOMPARE(Caption("%X"), QStringLiteral("07 h 08 min 09 s"));
        Apply("russian", "ru_RU");
        // Inside the long date the month takes its date form, alone not.
        QCOMPARE(Caption("%#x|%B"), QStringLiteral(u"вторник, 5 марта 2024 г.|март"));
    }

    // The zone follows the summer-time flag of the time shown: at 02:59:54
    // on the night the clocks go back, both the summer and the winter
    // reading exist.
    void zoneInTheRepeatedHour() {
#ifdef Q_OS_WIN
        QSKIP("the Windows C runtime reads TZ without its rules (summer time by US dates); "
              "there the zone comes from the system's settings");
#endif
        const QByteArray savedZone = qgetenv("TZ");
        qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
        tzset();
        ClockTime repeated;
        repeated.Year = 2026;
        repeated.Month = 10;
        repeated.Day = 25;
        repeated.DayOfWeek = 0;
        repeated.Hour = 2;
        repeated.Minute = 59;
        repeated.Second = 54;
        repeated.DaylightSaving = 1;
        QCOMPARE(FormatCaption(QStringLiteral("%H:%M:%S %Z %z"), CaptionTimeFields(repeated)),
                 QStringLiteral("02:59:54 CEST +0200"));
        repeated.DaylightSaving = 0;
        QCOMPARE(FormatCaption(QStringLiteral("%H:%M:%S %Z %z"), CaptionTimeFields(repeated)),
                 QStringLiteral("02:59:54 CET +0100"));
        if (savedZone.isNull()) {
            qunsetenv("TZ");
        } else {
            qputenv("TZ", savedZone);
        }
        tzset();
    }

    // Patterns come from theme files: random ones never crash, never exceed
    // the limit, and text without "%" comes out as it went in.
    void randomPatterns() {
        const QString alphabet = QStringLiteral(u"%%%##aAbBcdHIjmMpSUwWxXyYzZ%QE0 9\\n\n日é");
        QRandomGenerator random(20261210);
        const char* languages[] = {"C", "german", "japanese", "english", "zz", "-"};
        for (int round = 0; round < 4000; ++round) {
            ApplyCaptionLanguage(QString::fromLatin1(languages[round % 6]));
            QString pattern;
            const int length = random.bounded(1, 24);
            for (int i = 0; i < length; ++i) {
                pattern += alphabet.at(random.bounded(alphabet.size()));
            }
            struct tm time = SampleTime(random.bounded(24));
            time.tm_isdst = random.bounded(-1, 2);
            const QString caption = FormatCaption(pattern, time);
            QVERIFY(caption.size() < kCaptionCapacity);
            if (!pattern.contains(QLatin1Char('%'))) {
                QCOMPARE(caption, pattern);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCaptionFormat)
#include "test_caption_format.moc"
