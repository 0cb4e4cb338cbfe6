// The frame goes up on Qt's own connection, so it is ordered with everything
// Qt sends for the window (mapping, shape, opacity), with a graphics context
// of its own; the window's depth is asked once per native window. A copy of
// what the window shows (the frame as drawn, and the opacity it was faded by)
// is kept, so that each frame sends only the rectangle that changed; it is
// dropped whenever the window may show something else (Qt painted it, it was
// hidden, its size changed). A new opacity sends the whole frame.

#include "clock/platform/frame_upload.h"

#include "clock/core/constant_alpha.h"
#include "clock/core/frame_change.h"
#include "clock/platform/image_upload.h"

#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace tikloom {

struct FrameUpload::Native {
    QWindow* window = nullptr;
    xcb_connection_t* connection = nullptr;
    xcb_window_t target = 0; // the native window the context was made for
    xcb_gcontext_t gc = 0;
    uint8_t depth = 0;
    bool usable = false;
    QImage onScreen;       // the frame the window shows, when known, as drawn
    int onScreenAlpha = 0; // and the opacity it shows it at

    // A context and the depth for the window as it is now; false when the
    // server would not take our pixels for it.
    bool Prepare() {
        const auto id = static_cast<xcb_window_t>(window->winId());
        if (id == target)
            return usable;
        Release();
        target = id;
        xcb_get_geometry_reply_t* geometry =
            xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr);
        usable = geometry != nullptr && TakesQImagePixels(connection, geometry->depth);
        if (usable) {
            depth = geometry->depth;
            gc = xcb_generate_id(connection);
            xcb_create_gc(connection, gc, id, 0, nullptr);
        }
        std::free(geometry);
        return usable;
    }

    bool Put(const QImage& frame, int alpha) {
        if (connection == nullptr || !window->isExposed() ||
            frame.format() != QImage::Format_ARGB32_Premultiplied)
            return false;
        // Device pixel for device pixel only: anything else is Qt's to scale.
        const QSize devicePixels = window->size() * window->devicePixelRatio();
        const xcb_window_t before = target;
        if (frame.size() != devicePixels || !Prepare())
            return false;
        if (target != before || alpha != onScreenAlpha)
            onScreen = QImage();
        const QRect changed = ChangedArea(onScreen, frame);
        if (changed.isEmpty())
            return true;
        UploadImage(connection, target, gc, depth, FadedCopy(frame, changed, alpha),
                    changed.topLeft());
        if (onScreen.isNull())
            onScreen = frame.copy();
        else
            CopyArea(frame, changed, onScreen);
        onScreenAlpha = alpha;
        return true;
    }

    static void CopyArea(const QImage& from, const QRect& area, QImage& to) {
        const auto bytes = static_cast<size_t>(area.width()) * sizeof(QRgb);
        for (int y = area.top(); y <= area.bottom(); ++y)
            std::memcpy(reinterpret_cast<QRgb*>(to.scanLine(y)) + area.left(),
                        reinterpret_cast<const QRgb*>(from.constScanLine(y)) + area.left(), bytes);
    }

    void Release() {
        if (gc != 0)
            xcb_free_gc(connection, gc);
        gc = 0;
    }
};

FrameUpload::FrameUpload(QWindow* window) : native_(std::make_unique<Native>()) {
    native_->window = window;
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        native_->connection = x11->connection();
}

FrameUpload::~FrameUpload() {
    if (native_->connection != nullptr)
        native_->Release();
}

bool FrameUpload::Put(const QImage& frame, int alpha) {
    if (!native_->Put(frame, alpha)) {
        native_->onScreen = QImage(); // Qt paints this one
        return false;
    }
    return true;
}

} // namespace tikloom
