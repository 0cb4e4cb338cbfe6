#pragma once
// A save that runs when the process ends through exit() rather than the
// orderly way: Qt ends the clock so when its X connection closes (a session
// that ends by closing the display, a server that died). The save then runs
// among the exit handlers, with the event loop and the windows gone from
// use: it must touch only plain data and files. The orderly exit disarms it.

#include <functional>

namespace tikloom {

class SaveAtExit {
public:
    explicit SaveAtExit(std::function<void()> save);
    ~SaveAtExit();
    SaveAtExit(const SaveAtExit&) = delete;
    SaveAtExit& operator=(const SaveAtExit&) = delete;

    void Disarm();
};

} // namespace tikloom
