// A compositing manager owns the selection _NET_WM_CM_S<screen>. XFixes
// reports every change of that selection's owner, so nothing is polled.

#include "clock/platform/compositor_watch.h"

#include "clock/platform/named_atom.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

namespace tikloom {

namespace {

constexpr uint8_t kEventTypeMask = 0x7f;

// The screen of the display the clock runs on: the "S" of DISPLAY=host:D.S.
int ScreenNumber() {
    const QByteArray display = qgetenv("DISPLAY");
    const int colon = display.lastIndexOf(':');
    const int dot = display.indexOf('.', colon < 0 ? 0 : colon);
    return dot < 0 ? 0 : display.mid(dot + 1).toInt();
}

} // namespace

struct CompositorWatch::Native : QAbstractNativeEventFilter {
    CompositorWatch* owner = nullptr;
    xcb_connection_t* connection = nullptr;
    xcb_atom_t selection = XCB_ATOM_NONE;
    uint8_t xfixesEvent = 0; // 0: no XFixes, the state is read once only

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (xfixesEvent == 0 || eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & kEventTypeMask) != xfixesEvent + XCB_XFIXES_SELECTION_NOTIFY)
            return false;
        const auto* notify = static_cast<const xcb_xfixes_selection_notify_event_t*>(message);
        if (notify->selection == selection)
            owner->Update();
        return false; // Qt follows the same selection for its own purposes
    }

    bool OwnerExists() const {
        xcb_get_selection_owner_reply_t* reply = xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner(connection, selection), nullptr);
        const bool exists = reply != nullptr && reply->owner != XCB_WINDOW_NONE;
        std::free(reply);
        return exists;
    }
};

CompositorWatch::CompositorWatch() : native_(std::make_unique<Native>()) {
    Native& n = *native_;
    n.owner = this;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr)
        return; // not on X11: per-pixel alpha is always honoured
    n.connection = x11->connection();
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(ScreenNumber());
    n.selection = NamedAtom(n.connection, name);
    if (n.selection == XCB_ATOM_NONE)
        return;

    const xcb_query_extension_reply_t* xfixes =
        xcb_get_extension_data(n.connection, &xcb_xfixes_id);
    if (xfixes != nullptr && xfixes->present) {
        xcb_discard_reply(n.connection,
                          xcb_xfixes_query_version(n.connection, XCB_XFIXES_MAJOR_VERSION,
                                                   XCB_XFIXES_MINOR_VERSION)
                              .sequence);
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(n.connection)).data->root;
        xcb_xfixes_select_selection_input(
            n.connection, root, n.selection,
            XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
        xcb_flush(n.connection);
        n.xfixesEvent = xfixes->first_event;
        qGuiApp->installNativeEventFilter(&n);
    }
    active_ = n.OwnerExists();
}

CompositorWatch::~CompositorWatch() {
    if (native_->xfixesEvent != 0)
        qGuiApp->removeNativeEventFilter(native_.get());
}

void CompositorWatch::Update() {
    const bool active = native_->OwnerExists();
    if (active == active_)
        return;
    active_ = active;
    emit Changed(active);
}

} // namespace tikloom
