#include "tools/theme_caption_command.h"

#include "clock/core/caption_locale.h"
#include "clock/core/clock_time.h"
#include "clock/core/render_local_time.h"
#include "clock/core/theme_loader.h"
#include "tools/command_options.h"

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
            ok = TakeOptionValue(args, i, languageOption, options.language, error);
        } else if (!optionsEnded && IsOption(arg, timeOption)) {
            ok = TakeOptionValue(args, i, timeOption, options.time, error);
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
