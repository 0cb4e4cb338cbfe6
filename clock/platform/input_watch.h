#pragma once
// Pointer movement and modifier changes as events, so that a clock at rest
// need not ask where the pointer is twenty times a second. Where the window
// system sends no such events the watch is not Available and the clock keeps
// reading the pointer at every tick.

#include <QObject>
#include <memory>

namespace tikloom {

class InputWatch : public QObject {
    Q_OBJECT
public:
    InputWatch();
    ~InputWatch() override;

    bool Available() const { return available_; }

    // Events are asked for only while the clock is shown; a hidden clock
    // leaves the pointer alone.
    void SetWatching(bool on);
    // True when the pointer moved or a modifier changed since the last call.
    bool TakeChanges();
    // While the clock sleeps, the first change emits Changed at once; while
    // it ticks, changes wait for the next TakeChanges and wake nothing.
    void SetSleeping(bool on);
    // True while the pointer is over something the window system cannot see
    // (a native Wayland window, seen from XWayland): the position it reports
    // is then only the last place it saw, and the clock counts the pointer as
    // far. Such a move is a change too.
    bool PointerOutOfSight();

signals:
    void Changed();

private:
    struct Native;
    std::unique_ptr<Native> native_;
    bool available_ = false;
};

} // namespace tikloom
