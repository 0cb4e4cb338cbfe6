#pragma once
// The pointer's screen position and the Ctrl and Shift keys' states, read
// together once per tick: on X11 one round trip to the server gives all.

#include <QPoint>

namespace tikloom {

struct PointerState {
    bool Known = false; // false when the position could not be read
    QPoint Position;
    bool CtrlDown = false;
    bool ShiftDown = false;
};

// Where the clock counts a pointer that the window system cannot see (see
// InputWatch::PointerOutOfSight): farther from the clock than the hover rule
// looks, so the opacity goes back to its maximum.
constexpr QPoint kPointerOutOfSight{-100000, -100000};

// Reads the state now, waiting for the answer.
PointerState QueryPointer();

// The tick's reading: the answer to the question asked at the previous tick
// (50 ms old, long arrived, so nothing waits), then the next question is
// sent. An answer older than maxAgeMs is not used; the state is read now.
PointerState PollPointer(int maxAgeMs);

} // namespace tikloom
