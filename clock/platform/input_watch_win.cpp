// Windows keeps its 50 ms tick: the pointer is read at every tick.

#include "clock/platform/input_watch.h"

namespace tikloom {

struct InputWatch::Native {};

InputWatch::InputWatch() = default;
InputWatch::~InputWatch() = default;

void InputWatch::SetWatching(bool) {}

bool InputWatch::TakeChanges() {
    return false;
}

void InputWatch::SetSleeping(bool) {}

} // namespace tikloom
