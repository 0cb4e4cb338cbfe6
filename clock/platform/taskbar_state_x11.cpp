// Adds the "skip taskbar" and "skip pager" states to the window's
// _NET_WM_STATE while it is not mapped. Qt keeps states it finds there when
// it adds its own (above, stays on top) at the show, and the window manager
// takes the whole list over when it maps the window.

#include "clock/platform/taskbar_state.h"

#include "clock/platform/named_atom.h"

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <xcb/xcb.h>

namespace tikloom {

namespace {

// Longest state list read back; real lists hold a handful of atoms.
constexpr uint32_t kMostStates = 64;

std::vector<xcb_atom_t> States(xcb_connection_t* connection, xcb_window_t window,
                               xcb_atom_t property) {
    std::vector<xcb_atom_t> states;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, kMostStates), nullptr);
    if (reply == nullptr)
        return states;
    if (reply->type == XCB_ATOM_ATOM && reply->format == 32) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        states.assign(atoms, atoms + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return states;
}

} // namespace

void KeepOutOfTaskbar(QWindow* window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || window == nullptr)
        return;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t property = NamedAtom(connection, "_NET_WM_STATE");
    if (property == XCB_ATOM_NONE)
        return;
    std::vector<xcb_atom_t> states = States(connection, id, property);
    const std::size_t before = states.size();
    for (const char* name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
        const xcb_atom_t state = NamedAtom(connection, name);
        if (state != XCB_ATOM_NONE &&
            std::find(states.begin(), states.end(), state) == states.end())
            states.push_back(state);
    }
    if (states.size() == before)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, property, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(states.size()), states.data());
    xcb_flush(connection);
}

} // namespace tikloom
