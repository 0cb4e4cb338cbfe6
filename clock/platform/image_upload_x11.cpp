#include "clock/platform/image_upload.h"

#include <algorithm>
#include <xcb/xcb.h>

namespace tikloom {

namespace {

constexpr uint8_t kThirtyTwoBits = 32;
// Room in a request for the put-image request's own fields.
constexpr int kRequestHeaderBytes = 32;

} // namespace

bool TakesQImagePixels(xcb_connection_t* connection, uint8_t depth) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const bool hostLsbFirst = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
    if ((setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) != hostLsbFirst)
        return false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem != 0; xcb_format_next(&f)) {
        if (f.data->depth == depth)
            return f.data->bits_per_pixel == kThirtyTwoBits &&
                   f.data->scanline_pad == kThirtyTwoBits;
    }
    return false;
}

void UploadImage(xcb_connection_t* connection, uint32_t drawable, uint32_t gc, uint8_t depth,
                 const QImage& picture, QPoint at) {
    const int stride = static_cast<int>(picture.bytesPerLine());
    const int maxBytes = static_cast<int>(xcb_get_setup(connection)->maximum_request_length) * 4;
    const int rows = std::max(1, (maxBytes - kRequestHeaderBytes) / stride);
    for (int y = 0; y < picture.height(); y += rows) {
        const int band = std::min(rows, picture.height() - y);
        xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable, gc,
                      static_cast<uint16_t>(picture.width()), static_cast<uint16_t>(band),
                      static_cast<int16_t>(at.x()), static_cast<int16_t>(at.y() + y), 0, depth,
                      static_cast<uint32_t>(band * stride), picture.constScanLine(y));
    }
    xcb_flush(connection);
}

} // namespace tikloom
