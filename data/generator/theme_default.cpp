// The default theme: a light ivory dial in a slim silver bezel under glass.
// Its key values are the clock's own defaults, so a missing theme file and
// this one look the same; only the fonts name a family Linux ships.

#include "canvas.h"
#include "dial_parts.h"
#include "hands_image.h"
#include "themes.h"

#include <QPainter>
#include <QRadialGradient>

namespace tikloom {

namespace {

// The default image box: 105 x 105 pixels at (8, 8) of the window.
constexpr int kBoxSize = 105;
constexpr double kBoxLeft = 8.0;

const RoundDial kDial;

QImage background() {
    return paintSupersampled(QSize(kBoxSize, kBoxSize), [](QPainter& painter) {
        const QPointF centre = kDial.centre - QPointF(kBoxLeft, kBoxLeft);
        QRadialGradient face(centre, 56.0, centre - QPointF(0, 16));
        face.setColorAt(0.0, argb(0xFFFFFEFB));
        face.setColorAt(0.55, argb(0xFFF7F4EE));
        face.setColorAt(1.0, argb(0xFFE5E0D6));
        painter.fillRect(QRectF(0, 0, kBoxSize, kBoxSize), face);

        // A hairline track through the tick dots ties them into a chapter ring.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(argb(0x40706656), 0.5));
        painter.drawEllipse(centre, 48.0, 48.0);
    });
}

QImage overlay() {
    return paintSupersampled(QSize(kWindowSize, kWindowSize), [](QPainter& painter) {
        paintDropShadow(painter, kDial, 0.38);
        paintInnerShade(painter, kDial, 0.16);
        paintGlassHighlight(painter, kDial, 0.45);
        paintBezel(painter, kDial, argb(0xFFF6F6F4), argb(0xFF8E8C88));
    });
}

void paintHand(QPainter& painter, Hand hand) {
    switch (hand) {
    case Hand::Hour:
        painter.setBrush(argb(0xFF3C3C3C));
        painter.drawPath(taperedHand(31.0, 6.0, 3.6, 2.2));
        painter.drawEllipse(QPointF(0, 0), 2.7, 2.7);
        break;
    case Hand::Minute:
        painter.setBrush(argb(0xFF1A1A1A));
        painter.drawPath(taperedHand(46.0, 6.0, 2.6, 1.4));
        painter.drawEllipse(QPointF(0, 0), 2.2, 2.2);
        break;
    case Hand::Second:
        painter.setBrush(argb(0xFFD40000));
        painter.drawPath(straightHand(47.0, 9.6, 1.3));
        painter.drawRoundedRect(QRectF(-1.25, 6.4, 2.5, 3.2), 0.6, 0.6);
        painter.drawEllipse(QPointF(0, 0), 1.8, 1.8);
        painter.setBrush(argb(0xFFF0F0F0));
        painter.drawEllipse(QPointF(0, 0), 0.55, 0.55);
        break;
    }
}

} // namespace

ShippedTheme defaultTheme() {
    ShippedTheme theme;
    theme.name = QStringLiteral("default");
    theme.overrides = {
        {"CaptionFontName", "DejaVu Serif"},
        {"TickNumbersFontName", "DejaVu Serif"},
    };
    theme.background = background();
    theme.mask = roundMask(kDial);
    theme.overlay = overlay();
    theme.hands = paintHandsImage(2, 0.35, paintHand);
    return theme;
}

} // namespace tikloom
