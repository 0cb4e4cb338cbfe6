#include "clock/platform/stop_signals.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tikloom {

namespace {

int g_pipe[2] = {-1, -1};

extern "C" void OnStopSignal(int) {
    const char byte = 1;
    // Nothing else is safe in a signal handler; a full pipe already holds a request.
    [[maybe_unused]] const ssize_t written = write(g_pipe[1], &byte, 1);
}

} // namespace

StopSignals::StopSignals() {
    if (pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char buffer[16];
        while (read(g_pipe[0], buffer, sizeof buffer) > 0) {
        }
        emit StopRequested();
    });
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}

} // namespace tikloom
