#include "clock/platform/pointer_query.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

namespace tikloom {

namespace {

// A connection of its own: replies on Qt's connection would also wake Qt's
// event reader thread twenty times a second. Qt's is the fallback.
xcb_connection_t* X11Connection() {
    static xcb_connection_t* const connection = [] {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (x11 == nullptr)
            return static_cast<xcb_connection_t*>(nullptr);
        xcb_connection_t* own = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(own) == 0)
            return own;
        xcb_disconnect(own);
        return x11->connection();
    }();
    return connection;
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

PointerState FromReply(xcb_query_pointer_reply_t* reply) {
    PointerState state;
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

// The answer that arrived meanwhile, read without first waiting on the
// connection (xcb_query_pointer_reply would poll it, a system call more per
// tick); when it is not there yet, waits for it.
xcb_query_pointer_reply_t* ArrivedReply(xcb_connection_t* connection,
                                        xcb_query_pointer_cookie_t question) {
    void* reply = nullptr;
    if (xcb_poll_for_reply(connection, question.sequence, &reply, nullptr) != 0)
        return static_cast<xcb_query_pointer_reply_t*>(reply);
    return xcb_query_pointer_reply(connection, question, nullptr);
}

} // namespace

PointerState QueryPointer() {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr)
        return QueryThroughQt();
    return FromReply(xcb_query_pointer_reply(
        connection, xcb_query_pointer(connection, RootWindow(connection)), nullptr));
}

PointerState PollPointer(int maxAgeMs) {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr)
        return QueryThroughQt();
    static bool pending = false;
    static xcb_query_pointer_cookie_t question;
    static QElapsedTimer asked;

    PointerState state;
    if (pending && asked.elapsed() <= maxAgeMs) {
        state = FromReply(ArrivedReply(connection, question));
    } else {
        if (pending)
            xcb_discard_reply(connection, question.sequence);
        state = QueryPointer();
    }
    question = xcb_query_pointer(connection, RootWindow(connection));
    xcb_flush(connection);
    asked.start();
    pending = true;
    return state;
}

} // namespace tikloom
