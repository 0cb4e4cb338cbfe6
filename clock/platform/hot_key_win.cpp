// The hot key on Windows: RegisterHotKey on a message-only window's thread
// queue; WM_HOTKEY arrives through a native event filter.

#include "clock/platform/hot_key.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <windows.h>

namespace tikloom {

namespace {
constexpr int kHotKeyId = 1;
}

struct HotKey::Native : QAbstractNativeEventFilter {
    HotKey* owner = nullptr;
    bool registered = false;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        const auto* msg = static_cast<const MSG*>(message);
        if (eventType != "windows_generic_MSG" || msg->message != WM_HOTKEY)
            return false;
        emit owner->Pressed();
        return true;
    }
};

HotKey::HotKey() : native_(std::make_unique<Native>()) {
    native_->owner = this;
}

HotKey::~HotKey() {
    Unregister();
}

bool HotKey::Register(uint32_t modifiers, uint32_t virtualKey) {
    Unregister();
    // A null window posts WM_HOTKEY to this thread's queue.
    if (!RegisterHotKey(nullptr, kHotKeyId, modifiers, virtualKey))
        return false;
    native_->registered = true;
    QCoreApplication::instance()->installNativeEventFilter(native_.get());
    return true;
}

void HotKey::Unregister() {
    if (!native_->registered)
        return;
    QCoreApplication::instance()->removeNativeEventFilter(native_.get());
    UnregisterHotKey(nullptr, kHotKeyId);
    native_->registered = false;
}

} // namespace tikloom
