// The XEmbed tray protocol: the tray owns the selection
// _NET_SYSTEM_TRAY_S<screen>; a client creates a window, marks it mapped in
// its _XEMBED_INFO and sends the owner a dock request; the tray reparents the
// window into itself, sizes it and maps it. All of it runs on a connection of
// its own, whose socket wakes the clock only for the icon's own events
// (clicks, the pointer coming and going, exposure, a new size): a refresh is
// one image upload and a flush, with no reply to wait for.

#include "clock/platform/embedded_tray_icon.h"

#include "clock/core/tray_picture.h"
#include "clock/platform/image_upload.h"
#include "clock/platform/named_atom.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <QStyleHints>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <xcb/xcb.h>

namespace tikloom {

namespace {

constexpr uint32_t kRequestDock = 0; // SYSTEM_TRAY_REQUEST_DOCK
constexpr uint32_t kXembedVersion = 0;
constexpr uint32_t kXembedMapped = 1; // the tray maps the window once it took it
// The side asked for, until the tray gives the icon its place: trays that
// size icons by their hints would give it a single column otherwise.
constexpr uint16_t kInitialSide = 22;
constexpr uint32_t kMinimumSizeHint = 1U << 4; // PMinSize of WM_SIZE_HINTS
constexpr uint32_t kSizeHintFields = 18;
constexpr uint32_t kMinimumWidthField = 5;
constexpr uint8_t kLeftButton = 1;
constexpr uint8_t kRightButton = 3;
constexpr uint8_t kThirtyTwoBits = 32;
constexpr uint32_t kIconEvents = XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_STRUCTURE_NOTIFY |
                                 XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
                                 XCB_EVENT_MASK_ENTER_WINDOW | XCB_EVENT_MASK_LEAVE_WINDOW;
// Instance and class, as the clock's other windows are named.
constexpr char kWindowClass[] = "tikloom\0Tikloom";
constexpr char kWindowName[] = "Tikloom";

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

// A 24- or 32-bit true-colour visual laid out as a QImage's ARGB32 pixels.
bool IsArgbLayout(const xcb_visualtype_t* visual) {
    return visual != nullptr && visual->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
           visual->red_mask == 0xff0000 && visual->green_mask == 0xff00 &&
           visual->blue_mask == 0xff;
}

const xcb_visualtype_t* FindVisual(const xcb_screen_t* screen, xcb_visualid_t id, uint8_t* depth) {
    for (auto d = xcb_screen_allowed_depths_iterator(screen); d.rem != 0; xcb_depth_next(&d)) {
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem != 0; xcb_visualtype_next(&v)) {
            if (v.data->visual_id == id) {
                *depth = d.data->depth;
                return v.data;
            }
        }
    }
    return nullptr;
}

} // namespace

struct EmbeddedTrayIcon::Native {
    EmbeddedTrayIcon* icon = nullptr;
    xcb_connection_t* connection = nullptr;
    bool opened = false; // tried to open the connection
    bool usable = false;
    const xcb_screen_t* screen = nullptr;
    std::unique_ptr<QSocketNotifier> notifier;
    xcb_atom_t trayAtom = 0;
    xcb_atom_t opcodeAtom = 0;
    xcb_atom_t visualAtom = 0;
    xcb_atom_t xembedInfoAtom = 0;
    xcb_atom_t pidAtom = 0;

    xcb_window_t window = 0;
    xcb_colormap_t colormap = 0;
    xcb_gcontext_t gc = 0;
    uint8_t depth = 0;
    bool seeThrough = false; // the tray shows our alpha; else we lay it over the tray's pixels
    bool docked = false;
    QSize place;
    QImage miniature;
    QImage background; // the tray's pixels behind the icon, when not see-through

    bool pressWaiting = false;
    xcb_timestamp_t pressTime = 0;
    QPoint pressAt;

    ~Native() {
        notifier.reset();
        if (connection != nullptr)
            xcb_disconnect(connection); // the server destroys the window with it
    }

    bool Open();
    bool Dock();
    bool CreateWindow(xcb_window_t tray);
    xcb_visualid_t TrayVisual(xcb_window_t tray);
    bool TakesVisual(xcb_visualid_t visual);
    void Destroy();
    void Draw();
    void GrabBackground();
    void Drain();
    void Handle(const xcb_generic_event_t* event);
    void Press(const xcb_button_press_event_t* press);
};

// Connects on the first dock only: a clock that is never minimised has no
// second connection.
bool EmbeddedTrayIcon::Native::Open() {
    opened = true;
    if (qGuiApp->nativeInterface<QNativeInterface::QX11Application>() == nullptr)
        return false;
    int screenNumber = 0;
    connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) != 0)
        return false;
    auto roots = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && roots.rem != 0; ++i)
        xcb_screen_next(&roots);
    screen = roots.data;
    if (screen == nullptr)
        return false;

    // A handful of round trips, once, at the first minimise.
    trayAtom = NamedAtom(connection, "_NET_SYSTEM_TRAY_S" + QByteArray::number(screenNumber));
    opcodeAtom = NamedAtom(connection, "_NET_SYSTEM_TRAY_OPCODE");
    visualAtom = NamedAtom(connection, "_NET_SYSTEM_TRAY_VISUAL");
    xembedInfoAtom = NamedAtom(connection, "_XEMBED_INFO");
    pidAtom = NamedAtom(connection, "_NET_WM_PID");
    if (trayAtom == XCB_ATOM_NONE || opcodeAtom == XCB_ATOM_NONE || visualAtom == XCB_ATOM_NONE ||
        xembedInfoAtom == XCB_ATOM_NONE || pidAtom == XCB_ATOM_NONE)
        return false;

    notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection),
                                                 QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, icon, [this] { Drain(); });
    return true;
}

bool EmbeddedTrayIcon::Native::Dock() {
    if (!opened)
        usable = Open();
    if (!usable)
        return false;
    const Reply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, trayAtom), nullptr));
    if (owner == nullptr || owner->owner == XCB_NONE)
        return false;
    Destroy();
    if (!CreateWindow(owner->owner))
        return false;

    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = kThirtyTwoBits;
    request.window = owner->owner;
    request.type = opcodeAtom;
    request.data.data32[0] = XCB_CURRENT_TIME;
    request.data.data32[1] = kRequestDock;
    request.data.data32[2] = window;
    xcb_send_event(connection, 0, owner->owner, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);
    docked = true;
    // Replies may have brought events with them that the socket will not
    // announce again.
    QTimer::singleShot(0, icon, [this] { Drain(); });
    return true;
}

// The visual the tray names for its icons, 0 for none.
xcb_visualid_t EmbeddedTrayIcon::Native::TrayVisual(xcb_window_t tray) {
    const Reply<xcb_get_property_reply_t> property(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, tray, visualAtom, XCB_ATOM_VISUALID, 0, 1),
        nullptr));
    xcb_visualid_t visual = 0;
    if (property != nullptr && xcb_get_property_value_length(property.get()) == sizeof visual)
        std::memcpy(&visual, xcb_get_property_value(property.get()), sizeof visual);
    return visual;
}

// A visual laid out as a QImage's pixels, in a depth the server takes them
// for; sets `depth` to its depth.
bool EmbeddedTrayIcon::Native::TakesVisual(xcb_visualid_t visual) {
    return IsArgbLayout(FindVisual(screen, visual, &depth)) && TakesQImagePixels(connection, depth);
}

// In the tray's own visual when it names a 32-bit one (the tray then shows
// our alpha), else in the root's, over the tray's background.
bool EmbeddedTrayIcon::Native::CreateWindow(xcb_window_t tray) {
    const xcb_visualid_t named = TrayVisual(tray);
    seeThrough = named != 0 && TakesVisual(named) && depth == kThirtyTwoBits;
    const xcb_visualid_t visual = seeThrough ? named : screen->root_visual;
    if (!seeThrough && !TakesVisual(visual))
        return false;

    window = xcb_generate_id(connection);
    if (seeThrough) {
        colormap = xcb_generate_id(connection);
        xcb_create_colormap(connection, XCB_COLORMAP_ALLOC_NONE, colormap, screen->root, visual);
        const uint32_t values[] = {0, 0, kIconEvents, colormap};
        xcb_create_window(
            connection, depth, window, screen->root, 0, 0, kInitialSide, kInitialSide, 0,
            XCB_WINDOW_CLASS_INPUT_OUTPUT, visual,
            XCB_CW_BACK_PIXEL | XCB_CW_BORDER_PIXEL | XCB_CW_EVENT_MASK | XCB_CW_COLORMAP, values);
    } else {
        const uint32_t values[] = {XCB_BACK_PIXMAP_PARENT_RELATIVE, kIconEvents};
        xcb_create_window(connection, depth, window, screen->root, 0, 0, kInitialSide, kInitialSide,
                          0, XCB_WINDOW_CLASS_INPUT_OUTPUT, visual,
                          XCB_CW_BACK_PIXMAP | XCB_CW_EVENT_MASK, values);
    }
    gc = xcb_generate_id(connection);
    xcb_create_gc(connection, gc, window, 0, nullptr);

    const uint32_t xembedInfo[] = {kXembedVersion, kXembedMapped};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, xembedInfoAtom, xembedInfoAtom,
                        kThirtyTwoBits, 2, xembedInfo);
    const uint32_t pid = static_cast<uint32_t>(getpid());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, pidAtom, XCB_ATOM_CARDINAL,
                        kThirtyTwoBits, 1, &pid);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_CLASS,
                        XCB_ATOM_STRING, 8, sizeof kWindowClass, kWindowClass);
    uint32_t sizeHints[kSizeHintFields] = {kMinimumSizeHint};
    sizeHints[kMinimumWidthField] = sizeHints[kMinimumWidthField + 1] = kInitialSide;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NORMAL_HINTS,
                        XCB_ATOM_WM_SIZE_HINTS, kThirtyTwoBits, kSizeHintFields, sizeHints);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, sizeof kWindowName - 1, kWindowName);
    place = QSize(kInitialSide, kInitialSide);
    background = QImage();
    return true;
}

void EmbeddedTrayIcon::Native::Destroy() {
    if (window == 0)
        return;
    xcb_free_gc(connection, gc);
    xcb_destroy_window(connection, window);
    if (colormap != 0)
        xcb_free_colormap(connection, colormap);
    xcb_flush(connection);
    window = colormap = gc = 0;
    pressWaiting = false;
}

void EmbeddedTrayIcon::Native::Draw() {
    if (!docked || miniature.isNull())
        return;
    if (!seeThrough && background.isNull())
        return; // the first exposure brings the tray's pixels
    UploadImage(connection, window, gc, depth, PlaceTrayPicture(miniature, place, background));
}

// Right after an exposure the window shows the tray's own background (its
// background is the parent's); that is what the miniature is laid over.
void EmbeddedTrayIcon::Native::GrabBackground() {
    const Reply<xcb_get_image_reply_t> image(
        xcb_get_image_reply(connection,
                            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                          static_cast<uint16_t>(place.width()),
                                          static_cast<uint16_t>(place.height()), ~0U),
                            nullptr));
    const int stride = place.width() * 4;
    if (image == nullptr || xcb_get_image_data_length(image.get()) < stride * place.height())
        return;
    QImage pixels(place, QImage::Format_RGB32);
    for (int y = 0; y < place.height(); ++y)
        std::memcpy(pixels.scanLine(y), xcb_get_image_data(image.get()) + y * stride,
                    static_cast<size_t>(stride));
    background = pixels;
}

void EmbeddedTrayIcon::Native::Drain() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
        Handle(event);
        std::free(event);
    }
    if (xcb_connection_has_error(connection) != 0) {
        // The server went away: a closed socket would wake the clock for ever.
        notifier->setEnabled(false);
        usable = docked = false;
        window = colormap = gc = 0;
    }
}

void EmbeddedTrayIcon::Native::Handle(const xcb_generic_event_t* event) {
    switch (event->response_type & ~0x80) {
    case XCB_EXPOSE: {
        const auto* expose = reinterpret_cast<const xcb_expose_event_t*>(event);
        if (expose->window != window || expose->count != 0)
            return;
        if (!seeThrough && background.isNull())
            GrabBackground();
        Draw();
        return;
    }
    case XCB_CONFIGURE_NOTIFY: {
        const auto* configure = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
        const QSize size(configure->width, configure->height);
        if (configure->window != window || size == place)
            return;
        place = size;
        background = QImage(); // the window is cleared and exposed anew
        emit icon->PlaceChanged();
        return;
    }
    case XCB_REPARENT_NOTIFY: {
        // The tray went away and the server gave the window back to the
        // root, where it would show as a window of its own.
        const auto* reparent = reinterpret_cast<const xcb_reparent_notify_event_t*>(event);
        if (reparent->window == window && reparent->parent == screen->root) {
            Destroy();
            docked = false;
        }
        return;
    }
    case XCB_BUTTON_PRESS:
        Press(reinterpret_cast<const xcb_button_press_event_t*>(event));
        return;
    case XCB_BUTTON_RELEASE: {
        const auto* release = reinterpret_cast<const xcb_button_release_event_t*>(event);
        if (release->event == window && release->detail == kRightButton)
            emit icon->ContextMenuRequested();
        return;
    }
    case XCB_ENTER_NOTIFY:
        if (reinterpret_cast<const xcb_enter_notify_event_t*>(event)->event == window)
            emit icon->PointerEntered();
        return;
    case XCB_LEAVE_NOTIFY:
        if (reinterpret_cast<const xcb_leave_notify_event_t*>(event)->event == window)
            emit icon->PointerLeft();
        return;
    default:
        return;
    }
}

// Two presses of the left button within the double-click time and distance
// are a double click; the second does not start another.
void EmbeddedTrayIcon::Native::Press(const xcb_button_press_event_t* press) {
    if (press->event != window)
        return;
    emit icon->PointerLeft();
    if (press->detail != kLeftButton)
        return;
    const QPoint at(press->root_x, press->root_y);
    const QStyleHints* hints = QGuiApplication::styleHints();
    const bool second = pressWaiting &&
                        press->time - pressTime <=
                            static_cast<xcb_timestamp_t>(hints->mouseDoubleClickInterval()) &&
                        (at - pressAt).manhattanLength() <= hints->mouseDoubleClickDistance();
    pressWaiting = !second;
    pressTime = press->time;
    pressAt = at;
    if (second)
        emit icon->DoubleClicked();
}

EmbeddedTrayIcon::EmbeddedTrayIcon() : native_(std::make_unique<Native>()) {
    native_->icon = this;
}

EmbeddedTrayIcon::~EmbeddedTrayIcon() = default;

bool EmbeddedTrayIcon::Docked() const {
    return native_->docked;
}

bool EmbeddedTrayIcon::Dock() {
    return native_->Dock();
}

QSize EmbeddedTrayIcon::Place() const {
    return native_->place;
}

void EmbeddedTrayIcon::Show(const QImage& miniature) {
    native_->miniature = miniature;
    native_->Draw();
}

void EmbeddedTrayIcon::Remove() {
    native_->Destroy();
    native_->docked = false;
    native_->miniature = QImage();
}

} // namespace tikloom
