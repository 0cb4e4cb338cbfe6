// The caption against answers recorded from the Windows C runtime
// (tests/data/caption-strftime.json: setlocale, then wcsftime, for several
// languages and patterns). Names must match everywhere; where a date or time
// pattern differs, the difference is listed below with the reason for it.
// Also drives "tikloom-theme caption" as a theme author would.

#include "clock/core/caption_locale.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace tikloom;

namespace {

struct Answer {
    QString language;
    QString format;
    struct tm time {};
    QString windows;
};

// Our short dates keep the leading zeros of Qt's (CLDR) data, which are
// also those of Windows's own locale settings (de-DE "dd.MM.yyyy", ja-JP
// "yyyy/MM/dd"); the recorded runtime's locale tables drop them.
const struct {
    const char* language;
    const char* format;
    const char16_t* ours;
} kChosenDifferences[] = {
    {"german", "%x", u"07.03.2026"},
    {"german", "%c", u"07.03.2026 09:05:03"},
    {"japanese", "%x", u"2026/03/07"},
    {"japanese", "%c", u"2026/03/07 9:05:03"},
};

struct tm TimeFrom(const QJsonArray& fields) {
    struct tm time {};
    time.tm_year = fields.at(0).toInt() - 1900;
    time.tm_mon = fields.at(1).toInt() - 1;
    time.tm_mday = fields.at(2).toInt();
    time.tm_hour = fields.at(3).toInt();
    time.tm_min = fields.at(4).toInt();
    time.tm_sec = fields.at(5).toInt();
    const QDate date(fields.at(0).toInt(), fields.at(1).toInt(), fields.at(2).toInt());
    time.tm_wday = date.dayOfWeek() % 7;
    time.tm_yday = date.dayOfYear() - 1;
    return time;
}

QList<Answer> ReadAnswers() {
    QFile file(QStringLiteral(TIKLOOM_SOURCE_DIR "/tests/data/caption-strftime.json"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<Answer> answers;
    for (const QJsonValue& row : QJsonDocument::fromJson(file.readAll()).array()) {
        const QJsonObject o = row.toObject();
        answers.append({o.value(QLatin1String("language")).toString(),
                        o.value(QLatin1String("format")).toString(),
                        TimeFrom(o.value(QLatin1String("time")).toArray()),
                        o.value(QLatin1String("windows")).toString()});
    }
    return answers;
}

// Date and time patterns come from locale tables that differ between
// runtimes; everything else (names, numbers) is firm.
bool IsPatternRow(const QString& format) {
    return format.contains(QLatin1Char('x')) || format.contains(QLatin1Char('X')) ||
           format.contains(QLatin1Char('c'));
}

QString ChosenDifference(const Answer& answer) {
    for (const auto& difference : kChosenDifferences) {
        if (answer.language == QLatin1String(difference.language) &&
            answer.format == QLatin1String(difference.format)) {
            return QString::fromUtf16(difference.ours);
        }
    }
    return {};
}

QString Tool() {
    return QStringLiteral(TIKLOOM_PROGRAM_FOLDER "tikloom-theme" TIKLOOM_PROGRAM_SUFFIX);
}

// The tool's output, its lines ended by "\n": a Windows console program's
// text output ends them with CR LF.
QByteArray OutputLines(QProcess& tool) {
    QByteArray output = tool.readAllStandardOutput();
#ifdef Q_OS_WIN
    output.replace("\r\n", "\n");
#endif
    return output;
}

} // namespace

class TestCaptionReference : public QObject {
    Q_OBJECT

private slots:
    void everyAnswer() {
        const QList<Answer> answers = ReadAnswers();
        QVERIFY(answers.size() >= 100);
        int patternRows = 0;
        int patternMatches = 0;
        for (const Answer& answer : answers) {
            QVERIFY(ApplyCaptionLanguage(answer.language));
            const QString ours = FormatCaption(answer.format, answer.time);
            const QString context = answer.language + QLatin1Char(' ') + answer.format;
            const QString chosen = ChosenDifference(answer);
            if (IsPatternRow(answer.format)) {
                ++patternRows;
                patternMatches += ours == answer.windows ? 1 : 0;
            }
            if (chosen.isNull()) {
                QVERIFY2(ours == answer.windows, qPrintable(context + QStringLiteral(": ") + ours));
            } else {
                QVERIFY2(!IsPatternRow(answer.format) || chosen != answer.windows,
                         qPrintable(context));
                QVERIFY2(ours == chosen, qPrintable(context + QStringLiteral(": ") + ours));
            }
        }
        qInfo("%lld rows, %lld of them date/time patterns; %d of those match, %d differ "
              "by choice",
              static_cast<long long>(answers.size()), static_cast<long long>(patternRows),
              patternMatches, patternRows - patternMatches);
    }

    void toolPrintsCaptionLines() {
        if (!QFile::exists(Tool())) {
            QSKIP("tikloom-theme is not built in this build");
        }
        QProcess tool;
        // As written in a theme file: backslash and n between date and time.
        tool.start(Tool(),
                   {QStringLiteral("caption"), QStringLiteral("--language"),
                    QStringLiteral("german"), QStringLiteral("--time"),
                    QStringLiteral("2026-03-07T09:05:03"), QStringLiteral("%a %#d\\n%x\\n%X")});
        QVERIFY(tool.waitForFinished(20000));
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(OutputLines(tool)),
                 QStringLiteral("Sa. 7\n07.03.2026\n09:05:03\n"));

        // Without a language: what a theme without the key gets, English.
        tool.start(Tool(), {QStringLiteral("caption"), QStringLiteral("--time=2026-12-31T23:59:59"),
                            QStringLiteral("%p %j")});
        QVERIFY(tool.waitForFinished(20000));
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(OutputLines(tool), QByteArray("PM 365\n"));
    }

    void toolRefusesBadArguments() {
        if (!QFile::exists(Tool())) {
            QSKIP("tikloom-theme is not built in this build");
        }
        const QList<QStringList> bad = {
            {QStringLiteral("%p")},
            {QStringLiteral("--time"), QStringLiteral("2026-03-07T09:05:03")},
            {QStringLiteral("--time"), QStringLiteral("2026-03-07 09:05:03"), QStringLiteral("%p")},
            {QStringLiteral("--time"), QStringLiteral("2026-02-30T09:05:03"), QStringLiteral("%p")},
            {QStringLiteral("--time"), QStringLiteral("2026-03-07T24:00:00"), QStringLiteral("%p")},
            {QStringLiteral("--time=2026-03-07T09:05:03"), QStringLiteral("%p"),
             QStringLiteral("%d")},
            {QStringLiteral("--time=2026-03-07T09:05:03"), QStringLiteral("--colour"),
             QStringLiteral("%p")},
            {QStringLiteral("--time=2026-03-07T09:05:03"), QStringLiteral("%p"),
             QStringLiteral("--language")},
        };
        for (const QStringList& args : bad) {
            QProcess tool;
            tool.start(Tool(), QStringList{QStringLiteral("caption")} + args);
            QVERIFY(tool.waitForFinished(20000));
            QVERIFY2(tool.exitCode() == 2, qPrintable(args.join(QLatin1Char(' '))));
            QVERIFY(tool.readAllStandardError().contains("usage: tikloom-theme caption"));
            QVERIFY(tool.readAllStandardOutput().isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestCaptionReference)
#include "test_caption_reference.moc"
