// Raw pointer motion (XInput 2, on the root window, so it comes wherever the
// pointer is and whoever has the focus) and XKB modifier-state notifications,
// on a connection of their own: every event on it is a change, and its
// socket wakes the clock only while the clock sleeps. Xorg and XWayland both
// send these. A warped pointer makes no raw motion, only plain motion, which
// reaches the root window unless the window under the pointer takes it; the
// clock reads the pointer once a second besides, for the warps missed here.
//
// XWayland sees the pointer only over X windows. When it moves from the clock
// (which takes no input, so the X pointer is on the root already) onto a
// native Wayland window, X clients get no crossing and no motion, and the
// pointer's position stays the last one on the clock. What they do see, where
// the compositor's keyboard focus follows the pointer (sway's default), is the
// focus going to None as that window takes the keyboard: from then until the
// next motion over an X window, the pointer is out of sight. Only XWayland
// gets this watch, so a plain X server's events stay as they are.

#include "clock/platform/input_watch.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSocketNotifier>
#include <cstdlib>
#include <xcb/xcb.h>
#include <xcb/xinput.h>
// The XKB header names a field "explicit", a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

namespace tikloom {

namespace {

constexpr uint16_t kXiMajor = 2;
constexpr uint16_t kXiMinor = 2;
constexpr uint16_t kModifierChanges = XCB_XKB_STATE_PART_MODIFIER_STATE;
constexpr uint32_t kMotionEvents =
    XCB_INPUT_XI_EVENT_MASK_RAW_MOTION | XCB_INPUT_XI_EVENT_MASK_MOTION;
constexpr uint32_t kFocusEvents = XCB_INPUT_XI_EVENT_MASK_FOCUS_IN;

// XWayland names its outputs XWAYLAND0, XWAYLAND1, ...; Qt names screens
// after the outputs.
bool OnXWayland() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr && screen->name().startsWith(QLatin1String("XWAYLAND"));
}

bool HasXInput2(xcb_connection_t* connection) {
    const xcb_query_extension_reply_t* extension =
        xcb_get_extension_data(connection, &xcb_input_id);
    if (extension == nullptr || extension->present == 0)
        return false;
    xcb_input_xi_query_version_reply_t* version = xcb_input_xi_query_version_reply(
        connection, xcb_input_xi_query_version(connection, kXiMajor, kXiMinor), nullptr);
    const bool usable = version != nullptr && version->major_version >= kXiMajor;
    std::free(version);
    return usable;
}

bool HasXkb(xcb_connection_t* connection) {
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_xkb_id);
    if (extension == nullptr || extension->present == 0)
        return false;
    xcb_xkb_use_extension_reply_t* use = xcb_xkb_use_extension_reply(
        connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
        nullptr);
    const bool usable = use != nullptr && use->supported != 0;
    std::free(use);
    return usable;
}

} // namespace

struct InputWatch::Native {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    uint8_t inputOpcode = 0;
    uint32_t events = kMotionEvents;
    std::unique_ptr<QSocketNotifier> notifier;
    bool watching = false;
    bool changed = false;
    bool outOfSight = false;

    ~Native() {
        notifier.reset();
        if (connection != nullptr)
            xcb_disconnect(connection);
    }

    void Select(bool on) {
        struct {
            xcb_input_event_mask_t head;
            uint32_t bits;
        } motion{{XCB_INPUT_DEVICE_ALL_MASTER, 1}, on ? events : 0u};
        xcb_input_xi_select_events(connection, root, 1, &motion.head);
        xcb_xkb_select_events_details_t details{};
        details.affectState = kModifierChanges;
        details.stateDetails = on ? kModifierChanges : 0;
        xcb_xkb_select_events_aux(connection, XCB_XKB_ID_USE_CORE_KBD,
                                  XCB_XKB_EVENT_TYPE_STATE_NOTIFY, 0, 0, 0, 0, &details);
        xcb_flush(connection);
    }

    // Where a window X cannot see has the keyboard now, the pointer was last
    // seen before that: the clock starts or comes back with it out of sight.
    bool FocusOutOfSight() {
        if ((events & kFocusEvents) == 0)
            return false;
        xcb_get_input_focus_reply_t* focus =
            xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
        const bool away = focus != nullptr && (focus->focus == XCB_NONE ||
                                               focus->focus == XCB_INPUT_FOCUS_POINTER_ROOT);
        std::free(focus);
        return away;
    }

    // Reads everything that arrived, in order; any event is a change (errors
    // are not).
    void Drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            if (event->response_type != 0)
                changed = true;
            TrackSight(event);
            std::free(event);
        }
    }

    // The keyboard focus gone to None or the pointer root: a window X cannot
    // see has it. Any motion is the pointer back over an X window.
    void TrackSight(const xcb_generic_event_t* event) {
        if ((event->response_type & ~0x80) != XCB_GE_GENERIC)
            return;
        const auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(event);
        if (generic->extension != inputOpcode)
            return;
        if (generic->event_type == XCB_INPUT_FOCUS_IN) {
            const auto* focus = reinterpret_cast<const xcb_input_focus_in_event_t*>(event);
            if (focus->detail == XCB_INPUT_NOTIFY_DETAIL_NONE ||
                focus->detail == XCB_INPUT_NOTIFY_DETAIL_POINTER_ROOT)
                outOfSight = true;
        } else if (generic->event_type == XCB_INPUT_MOTION ||
                   generic->event_type == XCB_INPUT_RAW_MOTION) {
            outOfSight = false;
        }
    }
};

InputWatch::InputWatch() : native_(std::make_unique<Native>()) {
    if (qGuiApp->nativeInterface<QNativeInterface::QX11Application>() == nullptr)
        return;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    native_->connection = connection;
    if (xcb_connection_has_error(connection) != 0 || !HasXInput2(connection) || !HasXkb(connection))
        return;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen == nullptr)
        return;
    native_->root = screen->root;
    native_->inputOpcode = xcb_get_extension_data(connection, &xcb_input_id)->major_opcode;
    if (OnXWayland())
        native_->events |= kFocusEvents;
    native_->notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection),
                                                          QSocketNotifier::Read);
    native_->notifier->setEnabled(false);
    connect(native_->notifier.get(), &QSocketNotifier::activated, this, [this] {
        native_->Drain();
        if (xcb_connection_has_error(native_->connection) != 0) {
            // The server went away: a closed socket would wake the clock for ever.
            native_->notifier->setEnabled(false);
            available_ = false;
        }
        if (native_->changed)
            emit Changed();
    });
    available_ = true;
}

InputWatch::~InputWatch() = default;

void InputWatch::SetWatching(bool on) {
    if (!available_ || on == native_->watching)
        return;
    native_->watching = on;
    native_->outOfSight = on && native_->FocusOutOfSight();
    native_->Select(on);
    if (!on)
        SetSleeping(false);
}

bool InputWatch::TakeChanges() {
    if (!available_)
        return false;
    native_->Drain();
    const bool changed = native_->changed;
    native_->changed = false;
    return changed;
}

void InputWatch::SetSleeping(bool on) {
    if (available_)
        native_->notifier->setEnabled(on && native_->watching);
}

bool InputWatch::PointerOutOfSight() {
    // A plain X server sees the pointer everywhere: no read more per tick.
    if (!available_ || (native_->events & kFocusEvents) == 0)
        return false;
    native_->Drain();
    return native_->outOfSight;
}

} // namespace tikloom
