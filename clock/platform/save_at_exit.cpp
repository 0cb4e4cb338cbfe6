#include "clock/platform/save_at_exit.h"

#include <cstdlib>

namespace tikloom {

namespace {

// One save at a time; the handler is registered once for the process. Exit
// handlers run in the reverse order of their registration, so the objects
// made before it (the settings read at start, Qt's own) still exist then.
std::function<void()> g_save;
bool g_registered = false;

extern "C" void RunSaveAtExit() {
    std::function<void()> save = std::move(g_save);
    g_save = nullptr;
    if (save)
        save();
}

} // namespace

SaveAtExit::SaveAtExit(std::function<void()> save) {
    g_save = std::move(save);
    if (!g_registered)
        g_registered = std::atexit(RunSaveAtExit) == 0;
}

SaveAtExit::~SaveAtExit() {
    Disarm();
}

void SaveAtExit::Disarm() {
    g_save = nullptr;
}

} // namespace tikloom
