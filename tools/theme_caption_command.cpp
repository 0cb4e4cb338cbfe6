#include "tools/theme_caption_command.h"

#include "clock/core/caption_locale.h"
#include "clock/core/clock_time.h"
#include "clock/core/render_local_time.h"
#include "clock/core/theme_loader.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>
#include <cstdio>

namespace tikloom {

namespace {

const char kUsage[] =
    "usage: tikloom-theme caption [--language NAME] --time YYYY-MM-DDTHH:MM:SS FORMAT\n";
constexpr int kUsageError = 2;
// What a theme without a Language key gets.
const char kDefaultLanguage[] = "english";

struct CaptionOptions {
    QString language;
    QString time;
    QString format;
};

int UsageError(const QString& message) {
    std::fprintf(stderr, "tikloom-theme caption: %s\n%s", qPrintable(message), kUsage);
    return kUsageError;
}

// "--name VALUE" or "--name=VALUE"; false with an error when the value is
// missing or the option given twice.
bool TakeOption(const QStringList& args, qsizetype& i, const QString& name, QString& value,
                QString& error) {
    const QString& arg = args.at(i);
    QString taken;
    if (arg == name) {
        if (i + 1 >= args.size()) {
            error = QStringLiteral("%1 needs a value").arg(name);
            return false;
        }
        taken = args.at(++i);
    } else {
        taken = arg.mid(name.size() + 1);
    }
    if (!value.isNull()) {
        error = QStringLiteral("%1 given twice").arg(name);
        return false;
    }
    value = taken;
    return true;
}

bool IsOption(const QString& arg, const QString& name) {
    return arg == name || arg.startsWith(name + QLatin1Char('='));
}

// Options start with "--"; anything else (a pattern may start with "-") is
// the format, and "--" ends the options.
bool ParseCaptionArguments(const QStringList& args, CaptionOptions& options, QString& error) {
    const QString languageOption = QStringLiteral("--language");
    const QString timeOption = QStringLiteral("--time");
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        bool ok = true;
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && IsOption(arg, languageOption)) {
            ok = TakeOption(args, i, languageOption, options.language, error);
        } else if (!optionsEnded && IsOption(arg, timeOption)) {
            ok = TakeOption(args, i, timeOption, options.time, error);
        } else if (!optionsEnded && arg.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option %1").arg(arg);
            return false;
        } else if (!options.format.isNull()) {
            error = QStringLiteral("more than one format: %1").arg(arg);
            return false;
        } else {
            options.format = arg;
        }
        if (!ok) {
            return false;
        }
    }
    if (options.time.isNull()) {
        error = QStringLiteral("--time YYYY-MM-DDTHH:MM:SS is required");
        return false;
    }
    if (options.format.isNull()) {
        error = QStringLiteral("FORMAT is required");
        return false;
    }
    return true;
}

// Date and time apart, so that a wall-clock time the zone skips (the hour
// the clocks go forward) still reads.
bool ParseDateTime(const QString& text, QDate& date, QTime& time) {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2})T(\\d{2}:\\d{2}:\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        return false;
    }
    date = QDate::fromString(match.captured(1), QStringLiteral("yyyy-MM-dd"));
    time = QTime::fromString(match.captured(2), QStringLiteral("HH:mm:ss"));
    return date.isValid() && time.isValid() && date.year() >= 1;
}

// Summer time is left unknown, as for any time given by hand: the zone's
// rules decide it.
ClockTime ToClockTime(const QDate& date, const QTime& time) {
    ClockTime result;
    result.Year = static_cast<uint16_t>(date.year());
    result.Month = static_cast<uint16_t>(date.month());
    result.DayOfWeek = static_cast<uint16_t>(date.dayOfWeek() % 7); // Sunday 0
    result.Day = static_cast<uint16_t>(date.day());
    result.Hour = static_cast<uint16_t>(time.hour());
    result.Minute = static_cast<uint16_t>(time.minute());
    result.Second = static_cast<uint16_t>(time.second());
    return result;
}

} // namespace

int RunCaptionCommand(const QStringList& args) {
    CaptionOptions options;
    QString error;
    if (!ParseCaptionArguments(args, options, error)) {
        return UsageError(error);
    }
    QDate date;
    QTime time;
    if (!ParseDateTime(options.time, date, time)) {
        return UsageError(
            QStringLiteral("bad time \"%1\", expected YYYY-MM-DDTHH:MM:SS").arg(options.time));
    }
    const QString language =
        options.language.isNull() ? QString::fromLatin1(kDefaultLanguage) : options.language;
    if (!ApplyCaptionLanguage(language)) {
        // The clock goes on in the locale in force; here that is "C".
        std::fprintf(stderr, "tikloom-theme caption: unknown language %s, using \"C\"\n",
                     qPrintable(language));
    }
    const QString caption = FormatCaption(ConvertCaptionFormat(options.format),
                                          CaptionTimeFields(ToClockTime(date, time)));
    if (!caption.isEmpty()) {
        std::fputs(caption.toUtf8().constData(), stdout);
        std::fputs("\n", stdout);
    }
    return 0;
}

} // namespace tikloom
