#include "clock/platform/frame_mask.h"

namespace tikloom {

namespace {

constexpr int kBitsPerByte = 8;

const QRgb* RowOf(const QImage& frame, int y) {
    return reinterpret_cast<const QRgb*>(frame.constScanLine(y));
}

} // namespace

// Made once a second: rows are read through plain pointers and the bits
// gathered a byte at a time, as a pixel-by-pixel walk through QImage's and
// QByteArray's checked accessors cost more than the frame's drawing.
QByteArray OutlineSignature(const QImage& frame, int minAlpha) {
    const int width = frame.width();
    const int height = frame.height();
    QByteArray bits((width * height + kBitsPerByte - 1) / kBitsPerByte, '\0');
    auto* out = reinterpret_cast<unsigned char*>(bits.data());
    int index = 0;
    for (int y = 0; y < height; ++y) {
        const QRgb* row = RowOf(frame, y);
        for (int x = 0; x < width; ++x, ++index) {
            if (qAlpha(row[x]) >= minAlpha)
                out[index / kBitsPerByte] |=
                    static_cast<unsigned char>(1u << (index % kBitsPerByte));
        }
    }
    return bits;
}

QRegion VisibleRegion(const QImage& frame, int minAlpha) {
    QRegion region;
    const int width = frame.width();
    for (int y = 0; y < frame.height(); ++y) {
        const QRgb* row = RowOf(frame, y);
        int x = 0;
        while (x < width) {
            while (x < width && qAlpha(row[x]) < minAlpha)
                ++x;
            const int start = x;
            while (x < width && qAlpha(row[x]) >= minAlpha)
                ++x;
            if (x > start)
                region += QRect(start, y, x - start, 1);
        }
    }
    return region;
}

} // namespace tikloom
