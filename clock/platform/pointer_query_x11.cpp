#include "clock/platform/pointer_query.h"

#include <QCursor>
#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>

namespace tikloom {

namespace {

xcb_connection_t* X11Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_window_t RootWindow(xcb_connection_t* connection) {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen == nullptr)
        return xcb_window_t{0};
    return screen->root;
}

// Outside X11 (another Qt platform plugin) the portable calls do the same job.
PointerState QueryThroughQt() {
    PointerState state;
    state.Known = true;
    state.Position = QCursor::pos();
    const Qt::KeyboardModifiers modifiers = QGuiApplication::queryKeyboardModifiers();
    state.CtrlDown = modifiers.testFlag(Qt::ControlModifier);
    state.ShiftDown = modifiers.testFlag(Qt::ShiftModifier);
    return state;
}

} // namespace

PointerState QueryPointer() {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr)
        return QueryThroughQt();
    PointerState state;
    xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(
        connection, xcb_query_pointer(connection, RootWindow(connection)), nullptr);
    if (reply == nullptr)
        return state;
    // The pointer is on another screen of the display when same_screen is 0;
    // its coordinates are then meaningless for this clock.
    state.Known = reply->same_screen != 0;
    // Qt works in device-independent pixels; the clock runs at a scale of 1.
    state.Position = QPoint(reply->root_x, reply->root_y);
    state.CtrlDown = (reply->mask & XCB_MOD_MASK_CONTROL) != 0;
    state.ShiftDown = (reply->mask & XCB_MOD_MASK_SHIFT) != 0;
    std::free(reply);
    return state;
}

} // namespace tikloom
