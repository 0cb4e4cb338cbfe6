// Sets the window's bounding shape (X Shape extension), which is also where
// it takes input: Qt resets only the input shape when click-through ends.
// Without an X11 connection Qt's logical mask is the nearest there is.

#include "clock/platform/window_shape.h"

#include <QGuiApplication>
#include <QWindow>
#include <cmath>
#include <vector>
#include <xcb/shape.h>
#include <xcb/xcb.h>

namespace tikloom {

namespace {

// Every logical pixel that holds some of the region's device pixels.
QRegion LogicalCover(const QRegion& devicePixels, qreal ratio) {
    QRegion logical;
    for (const QRect& rect : devicePixels) {
        const int left = static_cast<int>(std::floor(rect.left() / ratio));
        const int top = static_cast<int>(std::floor(rect.top() / ratio));
        const int right = static_cast<int>(std::ceil((rect.right() + 1) / ratio));
        const int bottom = static_cast<int>(std::ceil((rect.bottom() + 1) / ratio));
        logical += QRect(left, top, right - left, bottom - top);
    }
    return logical;
}

} // namespace

void SetWindowShape(QWindow* window, const QRegion& devicePixels) {
    if (window == nullptr)
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) {
        window->setMask(LogicalCover(devicePixels, window->devicePixelRatio()));
        return;
    }
    std::vector<xcb_rectangle_t> rectangles;
    rectangles.reserve(static_cast<std::size_t>(devicePixels.rectCount()));
    for (const QRect& rect : devicePixels) {
        rectangles.push_back({static_cast<int16_t>(rect.x()), static_cast<int16_t>(rect.y()),
                              static_cast<uint16_t>(rect.width()),
                              static_cast<uint16_t>(rect.height())});
    }
    xcb_connection_t* connection = x11->connection();
    xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING,
                         XCB_CLIP_ORDERING_UNSORTED, static_cast<xcb_window_t>(window->winId()), 0,
                         0, static_cast<uint32_t>(rectangles.size()), rectangles.data());
    xcb_flush(connection);
}

void ClearWindowShape(QWindow* window) {
    if (window == nullptr)
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) {
        window->setMask(QRegion());
        return;
    }
    xcb_connection_t* connection = x11->connection();
    xcb_shape_mask(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING,
                   static_cast<xcb_window_t>(window->winId()), 0, 0, XCB_NONE);
    xcb_flush(connection);
}

} // namespace tikloom
