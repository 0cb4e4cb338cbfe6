// The hot key on X11: a passive grab of the key on the root window, under
// every combination of the lock modifiers (CapsLock, NumLock) so that they do
// not disable it. Presses arrive through a native event filter.

#include "clock/platform/hot_key.h"
#include "clock/platform/virtual_key.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <cstdlib>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

namespace tikloom {

namespace {

constexpr uint16_t kMeaningfulModifiers =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;
constexpr uint16_t kCapsLock = XCB_MOD_MASK_LOCK;
constexpr uint16_t kNumLock = XCB_MOD_MASK_2;
constexpr uint8_t kEventTypeMask = 0x7f; // without the "sent by a client" bit

uint16_t X11Modifiers(uint32_t modifiers) {
    uint16_t mask = 0;
    if (modifiers & kHotKeyAlt)
        mask |= XCB_MOD_MASK_1;
    if (modifiers & kHotKeyCtrl)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & kHotKeyShift)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & kHotKeyWin)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

} // namespace

struct HotKey::Native : QAbstractNativeEventFilter {
    HotKey* owner = nullptr;
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = XCB_WINDOW_NONE;
    std::vector<xcb_keycode_t> keycodes;
    uint16_t modifiers = 0;
    bool registered = false;

    bool Matches(xcb_keycode_t keycode, uint16_t state) const {
        if ((state & kMeaningfulModifiers) != modifiers)
            return false;
        for (const xcb_keycode_t code : keycodes) {
            if (code == keycode)
                return true;
        }
        return false;
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (!registered || eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const uint8_t type = event->response_type & kEventTypeMask;
        if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
            return false;
        const auto* key = static_cast<const xcb_key_press_event_t*>(message);
        if (key->root != root || !Matches(key->detail, key->state))
            return false;
        if (type == XCB_KEY_PRESS)
            emit owner->Pressed();
        return true; // the release belongs to the grab too
    }

    // Grabs keycode under the four lock combinations; true only if all held.
    bool Grab(xcb_keycode_t keycode) {
        bool all = true;
        for (const uint16_t locks :
             {uint16_t(0), kCapsLock, kNumLock, uint16_t(kCapsLock | kNumLock)}) {
            const xcb_void_cookie_t cookie =
                xcb_grab_key_checked(connection, 1, root, modifiers | locks, keycode,
                                     XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
            if (xcb_generic_error_t* error = xcb_request_check(connection, cookie)) {
                std::free(error); // BadAccess: another client holds this key
                all = false;
            }
        }
        return all;
    }

    void Ungrab() {
        for (const xcb_keycode_t code : keycodes) {
            for (const uint16_t locks :
                 {uint16_t(0), kCapsLock, kNumLock, uint16_t(kCapsLock | kNumLock)})
                xcb_ungrab_key(connection, code, root, modifiers | locks);
        }
        xcb_flush(connection);
        keycodes.clear();
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
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    const uint32_t keysym = KeysymForVirtualKey(virtualKey);
    if (x11 == nullptr || keysym == 0)
        return false;
    Native& n = *native_;
    n.connection = x11->connection();
    n.root = xcb_setup_roots_iterator(xcb_get_setup(n.connection)).data->root;
    n.modifiers = X11Modifiers(modifiers);

    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(n.connection);
    if (symbols == nullptr)
        return false;
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
    bool grabbed = codes != nullptr && codes[0] != XCB_NO_SYMBOL;
    for (xcb_keycode_t* code = codes; code != nullptr && *code != XCB_NO_SYMBOL; ++code) {
        n.keycodes.push_back(*code);
        grabbed = n.Grab(*code) && grabbed;
    }
    std::free(codes);
    xcb_key_symbols_free(symbols);
    if (!grabbed) {
        n.Ungrab(); // a partial grab would steal the key without working
        return false;
    }
    n.registered = true;
    qGuiApp->installNativeEventFilter(&n);
    return true;
}

void HotKey::Unregister() {
    Native& n = *native_;
    if (!n.registered)
        return;
    qGuiApp->removeNativeEventFilter(&n);
    n.Ungrab();
    n.registered = false;
}

} // namespace tikloom
