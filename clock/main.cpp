// The clock program: one clock per user, shown on the desktop or in the tray.
// Start-up order: hand over to a running clock, find the program folder, read
// the settings, then the window, hot key, drawing, tick and theme.

#include "clock/platform/clock_app.h"
#include "clock/platform/pointer_query.h"
#include "clock/platform/single_instance.h"
#include "common/clock_link.h"
#include "common/program_info.h"
#include "common/program_layout.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr int kProgramFileMissing = 1;
constexpr int kNoDisplay = 1;

const char kUsage[] = "usage: tikloom [--toggle] [--help] [--version]\n"
                      "Shows the analog desktop clock; a second start makes the running clock\n"
                      "reload its theme. Hold Shift while starting to bring the clock back to\n"
                      "the top left corner. Right-click the clock for its menu.\n"
                      "  --toggle  minimise the running clock to the tray, or restore it; with no\n"
                      "            clock running, start one, shown. Bind it to a desktop shortcut\n"
                      "            where no program may grab a key (Wayland sessions).\n"
                      "Settings: tikloom.ini beside the program (portable) or in\n"
                      "$XDG_CONFIG_HOME/tikloom/ (installed).\n";
const char kToggleOption[] = "--toggle";

// The clock places itself, stays on top and grabs a key: under Wayland it
// runs through XWayland unless the user chose a platform. Its window is 128
// device pixels whatever the desktop's scale.
void ChoosePlatform() {
#ifdef Q_OS_LINUX
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
#endif
    if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING"))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    // Qt's own event loop wakes at less cost than the GLib one, which matters
    // for a program that ticks twenty times a second all day.
    if (qEnvironmentVariableIsEmpty("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    // With shared-memory images Qt waits on the X server (a round trip, and
    // its reader thread woken) before it repaints what it showed last; the
    // clock's small repaints, once a second, cost less sent as they are.
    if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

bool HasOption(int argc, char* argv[], const char* option) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0)
            return true;
    }
    return false;
}

bool DisplayAvailable() {
#ifdef Q_OS_LINUX
    if (qgetenv("QT_QPA_PLATFORM") == "xcb")
        return !qEnvironmentVariableIsEmpty("DISPLAY");
#endif
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (tikloom::AnswerInfoOption(argc, argv, "tikloom", kUsage))
        return 0;
    const bool toggle = HasOption(argc, argv, kToggleOption);
    // The customizer, started from the clock, gets the user's environment,
    // not the settings the clock makes for itself below.
    const QProcessEnvironment userEnvironment = QProcessEnvironment::systemEnvironment();
    ChoosePlatform();
    if (!DisplayAvailable()) {
        std::fprintf(stderr, "tikloom: no X display to show the clock on (DISPLAY is not set)\n");
        return kNoDisplay;
    }
    tikloom::ProvideRuntimeFolder();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tikloom")); // WM_CLASS "tikloom", "Tikloom"
    QApplication::setQuitOnLastWindowClosed(false);

    std::unique_ptr<tikloom::ClockApp> clock;
    tikloom::ClockRendezvous rendezvous(
        [&clock] {
            if (clock)
                clock->Reload();
        },
        [&clock] {
            if (clock)
                clock->ToggleMinimized();
        });
    if (!rendezvous.Claim(toggle ? tikloom::ClockRequest::Toggle : tikloom::ClockRequest::Reload))
        return 0; // the running clock has reloaded, or minimised or restored itself

    if (!QFileInfo::exists(QCoreApplication::applicationFilePath()))
        return kProgramFileMissing;
    const tikloom::ProgramLayout layout = tikloom::CurrentLayout();
    QDir::setCurrent(layout.ProgramFolder);

    const bool shiftHeld = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
    clock = std::make_unique<tikloom::ClockApp>(layout, shiftHeld, userEnvironment);
    if (toggle)
        clock->StartShown(); // the user asked to see the clock
    clock->Start();
    const int code = QApplication::exec();
    clock.reset(); // before the application object goes
    return code;
}
