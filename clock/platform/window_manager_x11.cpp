// A window manager that follows the desktop conventions names its check
// window on the root window (_NET_SUPPORTING_WM_CHECK).

#include "clock/platform/named_atom.h"
#include "clock/platform/window_manager.h"

#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>

namespace tikloom {

bool WindowManagerRuns() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr)
        return true; // another window system places windows itself
    xcb_connection_t* connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t check = NamedAtom(connection, QByteArrayLiteral("_NET_SUPPORTING_WM_CHECK"));
    if (check == XCB_ATOM_NONE)
        return false;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, check, XCB_ATOM_WINDOW, 0, 1), nullptr);
    const bool runs = reply != nullptr && xcb_get_property_value_length(reply) > 0;
    std::free(reply);
    return runs;
}

} // namespace tikloom
