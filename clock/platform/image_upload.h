#pragma once
// Premultiplied ARGB pictures put straight into X11 windows: the tray icon's
// window and the clock's own. Only the X11 files use this.

#include <QImage>
#include <QPoint>
#include <cstdint>

struct xcb_connection_t;

namespace tikloom {

// True when the server takes pixels of that depth as a QImage holds them:
// 32 bits each, in this machine's byte order.
bool TakesQImagePixels(xcb_connection_t* connection, uint8_t depth);

// Puts the picture with its top-left corner at `at` in the drawable, in
// bands that each fit the server's largest request, then flushes; no reply is
// waited for.
void UploadImage(xcb_connection_t* connection, uint32_t drawable, uint32_t gc, uint8_t depth,
                 const QImage& picture, QPoint at = QPoint(0, 0));

} // namespace tikloom
