#pragma once
// The clock's global hot key (minimise / restore), registered once at start.
// A key that cannot be registered (another program holds it, or the key is
// unknown) leaves the clock without a hot key, silently. The key follows
// changes of the keyboard layout: on X11 it is grabbed again where the new
// mapping puts it; Windows registers virtual keys, which no layout moves.

#include <QObject>
#include <cstdint>
#include <memory>

namespace tikloom {

// Modifier bits as stored in tikloom.ini.
constexpr uint32_t kHotKeyAlt = 1;
constexpr uint32_t kHotKeyCtrl = 2;
constexpr uint32_t kHotKeyShift = 4;
constexpr uint32_t kHotKeyWin = 8;

class HotKey : public QObject {
    Q_OBJECT
public:
    HotKey();
    ~HotKey() override;

    // modifiers: the bits above; virtualKey: a Windows virtual-key code.
    // Returns whether the key is now registered.
    bool Register(uint32_t modifiers, uint32_t virtualKey);
    void Unregister();

signals:
    void Pressed();

private:
    struct Native;
    std::unique_ptr<Native> native_;
};

} // namespace tikloom
