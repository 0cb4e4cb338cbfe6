// Windows keeps its 50 ms tick: the pointer is read at every tick, and it is
// seen wherever it is, never out of sight.

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

bool InputWatch::PointerOutOfSight() {
    return false;
}

} // namespace tikloom
