// Qt's X11 platform drops key events from the event mask of a window that is
// transparent for input; the mouse part is done with the input shape, so the
// key events can be asked for again without taking any clicks.

#include "clock/platform/keyboard_input.h"

#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <xcb/xcb.h>

namespace tikloom {

void KeepKeyboardInput(QWindow* window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || window == nullptr)
        return;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, id), nullptr);
    if (attributes == nullptr)
        return;
    const uint32_t keys =
        XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE | XCB_EVENT_MASK_FOCUS_CHANGE;
    const uint32_t mask = attributes->your_event_mask | keys;
    if (mask != attributes->your_event_mask)
        xcb_change_window_attributes(connection, id, XCB_CW_EVENT_MASK, &mask);
    std::free(attributes);
}

} // namespace tikloom
