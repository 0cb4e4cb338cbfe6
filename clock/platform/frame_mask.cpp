#include "clock/platform/frame_mask.h"

namespace tikloom {

namespace {

int AlphaAt(const QImage& frame, int x, int y) {
    return qAlpha(reinterpret_cast<const QRgb*>(frame.constScanLine(y))[x]);
}

} // namespace

QByteArray OutlineSignature(const QImage& frame, int minAlpha) {
    QByteArray bits((frame.width() * frame.height() + 7) / 8, '\0');
    int index = 0;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x, ++index) {
            if (AlphaAt(frame, x, y) >= minAlpha)
                bits[index / 8] = static_cast<char>(bits[index / 8] | (1 << (index % 8)));
        }
    }
    return bits;
}

QRegion VisibleRegion(const QImage& frame, int minAlpha) {
    QRegion region;
    for (int y = 0; y < frame.height(); ++y) {
        int x = 0;
        while (x < frame.width()) {
            while (x < frame.width() && AlphaAt(frame, x, y) < minAlpha)
                ++x;
            const int start = x;
            while (x < frame.width() && AlphaAt(frame, x, y) >= minAlpha)
                ++x;
            if (x > start)
                region += QRect(start, y, x - start, 1);
        }
    }
    return region;
}

} // namespace tikloom
