#include "clock/core/constant_alpha.h"

namespace tikloom {

namespace {

QRgb FadePixel(QRgb pixel, uint alpha) {
    return (FadeChannel(qAlpha(pixel), alpha) << 24) | (FadeChannel(qRed(pixel), alpha) << 16) |
           (FadeChannel(qGreen(pixel), alpha) << 8) | FadeChannel(qBlue(pixel), alpha);
}

} // namespace

QImage FadedCopy(const QImage& frame, const QRect& area, int alpha) {
    QImage faded = frame.copy(area);
    if (alpha >= kOpaque)
        return faded;
    if (alpha <= 0) {
        faded.fill(Qt::transparent);
        return faded;
    }
    const auto factor = static_cast<uint>(alpha);
    for (int y = 0; y < faded.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(faded.scanLine(y));
        for (int x = 0; x < faded.width(); ++x)
            line[x] = FadePixel(line[x], factor);
    }
    return faded;
}

} // namespace tikloom
