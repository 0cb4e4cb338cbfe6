// tikloom-theme: command-line tool for theme authors.
//   tikloom-theme show   [--program-folder DIR] [THEME_FILE]
//   tikloom-theme render ... (see theme_render_command.h)
//   tikloom-theme caption [--language NAME] --time YYYY-MM-DDTHH:MM:SS FORMAT

#include "tools/theme_caption_command.h"
#include "tools/theme_render_command.h"
#include "tools/theme_show_command.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

namespace {

const char kUsage[] = "usage: tikloom-theme show [--program-folder DIR] [THEME_FILE]\n"
                      "       tikloom-theme render ...\n"
                      "       tikloom-theme caption [--language NAME] --time "
                      "YYYY-MM-DDTHH:MM:SS FORMAT\n";
constexpr int kUsageError = 2;

} // namespace

int main(int argc, char** argv) {
    // Fonts and images need a GUI application, but the tool must run without
    // a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);

    QStringList args = QGuiApplication::arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        std::fputs(kUsage, stderr);
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
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    std::fputs(kUsage, stderr);
    return kUsageError;
}
