#include "clock/core/tray_picture.h"

#include "clock/core/premultiplied_over.h"

#include <algorithm>

namespace tikloom {

namespace {

constexpr int kLargestSide = 256;

} // namespace

int TrayPictureSide(QSize place) {
    return std::clamp(std::min(place.width(), place.height()), 1, kLargestSide);
}

QImage PlaceTrayPicture(const QImage& miniature, QSize place, const QImage& background) {
    QImage picture;
    if (background.size() == place)
        picture = background.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    else {
        picture = QImage(place, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
    }
    const QImage source = miniature.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int left = (place.width() - source.width()) / 2;
    const int top = (place.height() - source.height()) / 2;
    const int firstX = std::max(0, -left);
    const int endX = std::min(source.width(), place.width() - left);
    for (int y = std::max(0, -top); y < std::min(source.height(), place.height() - top); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(picture.scanLine(y + top)) + left;
        for (int x = firstX; x < endX; ++x)
            to[x] = PremultipliedOver(from[x], to[x]);
    }
    return picture;
}

} // namespace tikloom
