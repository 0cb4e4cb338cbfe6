#include "tools/theme_render_command.h"

#include "clock/core/app_state.h"
#include "clock/core/face_renderer.h"
#include "clock/core/memory_presenter.h"
#include "clock/core/settings.h"
#include "clock/core/theme_loader.h"
#include "tools/command_options.h"
#include "tools/tool_layout.h"

#include <QDate>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTime>
#include <cstdio>

namespace tikloom {

namespace {

const char kUsage[] =
    "usage: tikloom-theme render [--program-folder DIR] [THEME_FILE] --time HH:MM:SS\n"
    "                            [--date YYYY-MM-DD] [--scale RATIO] [--face-only] -o OUT.png\n"
    "  --program-folder DIR  read tikloom.ini and the themes as the clock in DIR\n"
    "                        would (default: this program's own folder)\n"
    "  THEME_FILE            draw this theme instead of the current one\n"
    "  --time HH:MM:SS       the time shown, 24-hour (required)\n"
    "  --date YYYY-MM-DD     the date the caption shows (default: today)\n"
    "  --scale RATIO         the pixel ratio to draw at, 1 to 8 (default 1)\n"
    "  --face-only           the face without hands and caption\n"
    "  -o, --output OUT.png  the picture to write, 128 x 128 times the ratio (required)\n";
constexpr int kWriteError = 1;
constexpr int kUsageError = 2;
// The clock window's opacity does not belong to the picture.
constexpr int kOpaque = 255;
// Device pixel ratios a screen may have: 1 (the design's 128 pixels) to 8.
constexpr double kSmallestScale = 1.0;
constexpr double kLargestScale = 8.0;

struct RenderOptions {
    QString programFolder;
    QString themeFile; // empty: the current theme of programFolder's tikloom.ini
    QString time;
    QString date; // empty: today
    QString output;
    QString scale; // empty: 1
    bool faceOnly = false;
};

int UsageError(const QString& message) {
    std::fprintf(stderr, "tikloom-theme render: %s\n%s", qPrintable(message), kUsage);
    return kUsageError;
}

bool ParseRenderArguments(const QStringList& args, RenderOptions& options, QString& error) {
    const QString folderOption = QStringLiteral("--program-folder");
    const QString timeOption = QStringLiteral("--time");
    const QString dateOption = QStringLiteral("--date");
    const QString outputOption = QStringLiteral("--output");
    const QString scaleOption = QStringLiteral("--scale");
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        bool ok = true;
        if (IsOption(arg, folderOption)) {
            ok = TakeOptionValue(args, i, folderOption, options.programFolder, error);
        } else if (IsOption(arg, timeOption)) {
            ok = TakeOptionValue(args, i, timeOption, options.time, error);
        } else if (IsOption(arg, dateOption)) {
            ok = TakeOptionValue(args, i, dateOption, options.date, error);
        } else if (arg == QLatin1String("-o")) {
            ok = TakeOptionValue(args, i, arg, options.output, error);
        } else if (IsOption(arg, outputOption)) {
            ok = TakeOptionValue(args, i, outputOption, options.output, error);
        } else if (IsOption(arg, scaleOption)) {
            ok = TakeOptionValue(args, i, scaleOption, options.scale, error);
        } else if (arg == QLatin1String("--face-only")) {
            options.faceOnly = true;
        } else if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
            error = QStringLiteral("unknown option %1").arg(arg);
            return false;
        } else if (!options.themeFile.isNull()) {
            error = QStringLiteral("more than one theme file: %1").arg(arg);
            return false;
        } else {
            options.themeFile = arg;
        }
        if (!ok) {
            return false;
        }
    }
    if (options.time.isNull()) {
        error = QStringLiteral("--time HH:MM:SS is required");
        return false;
    }
    if (options.output.isEmpty()) {
        error = QStringLiteral("-o OUT.png is required");
        return false;
    }
    return true;
}

// "H:MM:SS" or "HH:MM:SS", 24-hour.
bool ParseTime(const QString& text, QTime& time) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2}):(\\d{2}):(\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        return false;
    }
    time = QTime(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    return time.isValid();
}

bool ParseDate(const QString& text, QDate& date) {
    static const QRegularExpression pattern(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (!pattern.match(text).hasMatch()) {
        return false;
    }
    date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    return date.isValid() && date.year() >= 1;
}

// A device pixel ratio such as "2" or "1.5".
bool ParseScale(const QString& text, double& scale) {
    if (text.isNull()) {
        scale = kSmallestScale;
        return true;
    }
    bool ok = false;
    scale = text.toDouble(&ok);
    return ok && scale >= kSmallestScale && scale <= kLargestScale;
}

// Writes the picture with its alpha un-premultiplied, as PNG files keep it.
// Either the whole file lands or nothing does.
bool WritePng(const QImage& picture, const QString& path, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    if (!picture.convertToFormat(QImage::Format_ARGB32).save(&file, "PNG")) {
        error = QStringLiteral("could not encode the picture");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

const char* RenderUsage() {
    return kUsage;
}

int RunRenderCommand(const QStringList& args) {
    RenderOptions options;
    QString error;
    if (!ParseRenderArguments(args, options, error)) {
        return UsageError(error);
    }
    QTime time;
    if (!ParseTime(options.time, time)) {
        return UsageError(QStringLiteral("bad time \"%1\", expected HH:MM:SS").arg(options.time));
    }
    QDate date = QDate::currentDate();
    if (!options.date.isNull() && !ParseDate(options.date, date)) {
        return UsageError(QStringLiteral("bad date \"%1\", expected YYYY-MM-DD").arg(options.date));
    }
    double scale = kSmallestScale;
    if (!ParseScale(options.scale, scale)) {
        return UsageError(
            QStringLiteral("bad scale \"%1\", expected a ratio from 1 to 8").arg(options.scale));
    }
    AppState state;
    if (!ToolLayout(options.programFolder, state.Layout)) {
        return UsageError(QStringLiteral("no such folder: %1").arg(options.programFolder));
    }
    ReadSettings(state.Layout.SettingsFolder, false, state);
    const ClockTime shown = ToClockTime(date, time);
    state.LocalTime = [shown] { return shown; };
    MemoryPresenter presenter;
    state.Output = &presenter;
    state.CurrentAlpha = kOpaque;
    state.FaceBuffer = PixelBuffer(scale);
    state.FrameBuffer = PixelBuffer(scale);

    // The clock's theme load, from the given file when there is one.
    if (options.themeFile.isEmpty()) {
        LoadThemeModel(state.Layout, state.Theme, scale);
    } else {
        if (!QFileInfo(options.themeFile).isFile()) {
            std::fprintf(stderr, "tikloom-theme render: %s not found, drawing the defaults\n",
                         qPrintable(options.themeFile));
        }
        LoadThemeModelFromFile(state.Layout, options.themeFile, state.Theme, scale);
    }
    BuildFace(state);

    const QImage& picture = options.faceOnly ? state.FaceBuffer.image() : presenter.LastFrame();
    if (!WritePng(picture, options.output, error)) {
        std::fprintf(stderr, "tikloom-theme render: cannot write %s: %s\n",
                     qPrintable(options.output), qPrintable(error));
        return kWriteError;
    }
    return 0;
}

} // namespace tikloom
