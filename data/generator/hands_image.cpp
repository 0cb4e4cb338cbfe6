#include "hands_image.h"

#include "canvas.h"

#include <QPainter>

namespace tikloom {

namespace {

// Pivot of a strip: on its centre line, two thirds of the height down.
constexpr double kPivotX = kStripWidthUnits / 2.0;
constexpr double kPivotY = kStripHeightUnits * 2.0 / 3.0;

QImage silhouetteShadow(const QImage& hands, double strength, int radius) {
    QImage shadow(hands.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < hands.height(); ++y) {
        for (int x = 0; x < hands.width(); ++x) {
            const int alpha = static_cast<int>(qAlpha(hands.pixel(x, y)) * strength);
            shadow.setPixel(x, y, qRgba(0, 0, 0, alpha));
        }
    }
    return blurred(shadow, radius);
}

} // namespace

QImage paintHandsImage(int pixelsPerUnit, double shadow,
                       const std::function<void(QPainter&, Hand)>& paintHand) {
    const QSize size(static_cast<int>(3 * kStripWidthUnits * pixelsPerUnit),
                     static_cast<int>(kStripHeightUnits * pixelsPerUnit));
    const QImage hands = paintSupersampled(size, [&](QPainter& painter) {
        painter.scale(pixelsPerUnit, pixelsPerUnit);
        const Hand order[] = {Hand::Hour, Hand::Minute, Hand::Second};
        for (int strip = 0; strip < 3; ++strip) {
            painter.save();
            // Nothing may spill into the neighbouring strip.
            painter.setClipRect(
                QRectF(strip * kStripWidthUnits, 0, kStripWidthUnits, kStripHeightUnits));
            painter.translate(strip * kStripWidthUnits + kPivotX, kPivotY);
            paintHand(painter, order[strip]);
            painter.restore();
        }
    });
    if (shadow <= 0.0) {
        return hands;
    }
    QImage result = silhouetteShadow(hands, shadow, pixelsPerUnit / 2 + 1);
    QPainter painter(&result);
    painter.drawImage(0, 0, hands);
    return result;
}

QPainterPath taperedHand(double head, double tail, double baseWidth, double tipWidth) {
    QPainterPath path;
    path.moveTo(-baseWidth / 2, tail);
    path.lineTo(-baseWidth / 2, 0);
    path.lineTo(-tipWidth / 2, -head + tipWidth);
    path.lineTo(0, -head);
    path.lineTo(tipWidth / 2, -head + tipWidth);
    path.lineTo(baseWidth / 2, 0);
    path.lineTo(baseWidth / 2, tail);
    path.closeSubpath();
    return path;
}

QPainterPath straightHand(double head, double tail, double width) {
    QPainterPath path;
    path.addRect(QRectF(-width / 2, -head, width, head + tail));
    return path;
}

} // namespace tikloom
