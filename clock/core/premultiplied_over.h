#pragma once
// Laying one premultiplied ARGB pixel over another ("source over"), for the
// few small pictures drawn by hand rather than through a painter.

#include <QRgb>

namespace tikloom {

// One channel: the source plus what the source lets through.
constexpr uint OverChannel(uint source, uint destination, uint sourceAlpha) {
    return source + (destination * (255 - sourceAlpha) + 127) / 255;
}

constexpr QRgb PremultipliedOver(QRgb source, QRgb destination) {
    const uint alpha = qAlpha(source);
    if (alpha == 255)
        return source;
    return (OverChannel(alpha, qAlpha(destination), alpha) << 24) |
           (OverChannel(qRed(source), qRed(destination), alpha) << 16) |
           (OverChannel(qGreen(source), qGreen(destination), alpha) << 8) |
           OverChannel(qBlue(source), qBlue(destination), alpha);
}

} // namespace tikloom
