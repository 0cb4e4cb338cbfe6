// The hot key on X11: a passive grab of the key on the root window, under
// every combination of the lock modifiers (CapsLock, NumLock) so that they do
// not disable it. Presses arrive through a native event filter.
//
// A grab holds keycodes, not keysyms: when the keyboard mapping changes (a
// layout switch, setxkbmap, a virtual keyboard) the key may have moved, so
// the old keycodes are released and the key's new ones grabbed, once per
// burst of notifications.

#include "clock/platform/hot_key.h"
#include "clock/platform/virtual_key.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QTimer>
#include <cstdlib>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
// The XKB header names a field "explicit", a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

namespace tikloom {

namespace {

constexpr uint16_t kMeaningfulModifiers =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;
constexpr uint16_t kCapsLock = XCB_MOD_MASK_LOCK;
constexpr uint16_t kNumLock = XCB_MOD_MASK_2;
constexpr uint8_t kEventTypeMask = 0x7f; // without the "sent by a client" bit
// setxkbmap and layout switchers send several notifications within a few
// milliseconds; the grab is made again once they have settled.
constexpr int kMappingSettleMs = 100;

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

// The first event number of the XKB extension on the connection, or 0. Qt
// has asked already, so this costs no round trip.
uint8_t XkbFirstEvent(xcb_connection_t* connection) {
    const xcb_query_extension_reply_t* xkb = xcb_get_extension_data(connection, &xcb_xkb_id);
    return xkb != nullptr && xkb->present != 0 ? xkb->first_event : 0;
}

// Qt's connection uses XKB and selects its keyboard and map notifications;
// a client without XKB gets the core MappingNotify instead. Either means the
// keycodes may have moved.
bool IsMappingChange(const xcb_generic_event_t* event, uint8_t xkbFirstEvent) {
    const uint8_t type = event->response_type & kEventTypeMask;
    if (type == XCB_MAPPING_NOTIFY)
        return reinterpret_cast<const xcb_mapping_notify_event_t*>(event)->request ==
               XCB_MAPPING_KEYBOARD;
    if (xkbFirstEvent == 0 || type != xkbFirstEvent)
        return false;
    // Every XKB event carries its own kind in the second byte.
    const uint8_t kind = event->pad0;
    return kind == XCB_XKB_NEW_KEYBOARD_NOTIFY || kind == XCB_XKB_MAP_NOTIFY;
}

} // namespace

struct HotKey::Native : QAbstractNativeEventFilter {
    HotKey* owner = nullptr;
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = XCB_WINDOW_NONE;
    uint8_t xkbFirstEvent = 0;
    std::vector<xcb_keycode_t> keycodes; // grabbed now
    uint16_t modifiers = 0;
    uint32_t keysym = 0;
    bool wanted = false; // registered: follows mapping changes until Unregister
    QTimer mappingSettled;

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
        if (!wanted || eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if (IsMappingChange(event, xkbFirstEvent)) {
            mappingSettled.start();
            return false; // Qt reads the new keymap too
        }
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

    // Grabs the keysym's keycodes in the mapping that holds now; true only
    // if every grab held. A partial grab would steal the key without
    // working, so it is undone.
    bool GrabKeysym() {
        xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection);
        if (symbols == nullptr)
            return false;
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
        bool grabbed = codes != nullptr && codes[0] != XCB_NO_SYMBOL;
        for (xcb_keycode_t* code = codes; code != nullptr && *code != XCB_NO_SYMBOL; ++code) {
            keycodes.push_back(*code);
            grabbed = Grab(*code) && grabbed;
        }
        std::free(codes);
        xcb_key_symbols_free(symbols);
        if (!grabbed)
            Ungrab();
        return grabbed;
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

    // The mapping changed: the key is grabbed where it is now. A key that
    // another program holds under the new mapping leaves the clock without
    // a hot key until the next change.
    void Regrab() {
        if (!wanted)
            return;
        Ungrab();
        GrabKeysym();
    }
};

HotKey::HotKey() : native_(std::make_unique<Native>()) {
    native_->owner = this;
    native_->mappingSettled.setSingleShot(true);
    native_->mappingSettled.setInterval(kMappingSettleMs);
    connect(&native_->mappingSettled, &QTimer::timeout, this, [this] { native_->Regrab(); });
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
    n.xkbFirstEvent = XkbFirstEvent(n.connection);
    n.modifiers = X11Modifiers(modifiers);
    n.keysym = keysym;
    if (!n.GrabKeysym())
        return false;
    n.wanted = true;
    qGuiApp->installNativeEventFilter(&n);
    return true;
}

void HotKey::Unregister() {
    Native& n = *native_;
    if (!n.wanted)
        return;
    qGuiApp->removeNativeEventFilter(&n);
    n.mappingSettled.stop();
    n.Ungrab();
    n.wanted = false;
}

} // namespace tikloom
