// tikloom-theme: command-line tool for theme authors.
//   tikloom-theme show   [--program-folder DIR] [THEME_FILE]
//   tikloom-theme render ... (see theme_render_command.h)
//   tikloom-theme caption [--language NAME] --time YYYY-MM-DDTHH:MM:SS FORMAT

#include "common/clock_link.h"
#include "common/program_info.h"
#include "tools/theme_caption_command.h"
#include "tools/theme_render_command.h"
#include "tools/theme_show_command.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <string>

namespace {

const char kShowUsage[] =
    "usage: tikloom-theme show [--program-folder DIR] [THEME_FILE]\n"
    "  prints the theme as the clock loads it, as JSON (default: the current theme)\n";
const char kCaptionUsage[] =
    "usage: tikloom-theme caption [--language NAME] --time YYYY-MM-DDTHH:MM:SS FORMAT\n"
    "  prints the caption as the clock draws it, one line per caption line\n";
constexpr int kUsageError = 2;

std::string Usage() {
    return std::string("usage: tikloom-theme show|render|caption ... | --help | --version\n\n") +
           kShowUsage + "\n" + tikloom::RenderUsage() + "\n" + kCaptionUsage +
           "\nWithout --program-folder the tool reads the settings and themes this\n"
           "installation's clock reads.\n";
}

} // namespace

int main(int argc, char** argv) {
    const std::string usage = Usage();
    if (tikloom::AnswerInfoOption(argc, argv, "tikloom-theme", usage.c_str())) {
        return 0;
    }
    // Fonts and images need a GUI application, but the tool must run without
    // a display. Windows always has one; its offscreen platform would look for
    // fonts in Qt's own folder only and draw every letter as a box.
#ifndef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#endif
    tikloom::ProvideRuntimeFolder();
    QGuiApplication app(argc, argv);

    QStringList args = QGuiApplication::arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        std::fputs(usage.c_str(), stderr);
        return kUsageError;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("show")) {
        return tikloom::RunShowCommand(args);
    }
    if (command == QLatin1String("render")) {
        return tikloom::RunRenderCommand(args);
    }
    if (command == QLatin1String("caption")) {
        return tikloom::RunCaptionCommand(args);
    }
    std::fputs(usage.c_str(), stderr);
    return kUsageError;
}
