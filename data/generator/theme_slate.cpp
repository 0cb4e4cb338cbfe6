// Slate: a dark dial with applied batons, a date window at 3 o'clock (the
// caption, "%#d", sits in it) and hands drawn from its own hands image.

#include "canvas.h"
#include "dial_parts.h"
#include "hands_image.h"
#include "themes.h"

#include <QPainter>
#include <QRadialGradient>

namespace tikloom {

namespace {

constexpr int kBoxSize = 105;
constexpr double kBoxLeft = 8.0;
const RoundDial kDial;

// The date window, relative to the dial centre; the caption is centred on it.
const QRectF kDateWindow(27.0, -5.0, 14.0, 10.0);
constexpr int kCaptionX = 340;

void paintBaton(QPainter& painter, QPointF centre, double angle, double width) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    const QRectF baton(-width / 2, -46.5, width, 8.5);
    painter.setBrush(argb(0xFF12161B));
    painter.drawRoundedRect(baton.translated(0, 0.5), 0.6, 0.6);
    painter.setBrush(argb(0xFFE8ECF1));
    painter.drawRoundedRect(baton, 0.6, 0.6);
    painter.restore();
}

QImage background() {
    return paintSupersampled(QSize(kBoxSize, kBoxSize), [](QPainter& painter) {
        const QPointF centre = kDial.centre - QPointF(kBoxLeft, kBoxLeft);
        QRadialGradient face(centre, 56.0, centre - QPointF(0, 18));
        face.setColorAt(0.0, argb(0xFF4A5664));
        face.setColorAt(0.6, argb(0xFF333C47));
        face.setColorAt(1.0, argb(0xFF1E242C));
        painter.fillRect(QRectF(0, 0, kBoxSize, kBoxSize), face);

        // Fine rings turned into the dial catch a little light.
        painter.setBrush(Qt::NoBrush);
        for (double r = 6.0; r < 38.0; r += 2.0) {
            painter.setPen(QPen(withAlpha(Qt::white, 0.035), 0.5));
            painter.drawEllipse(centre, r, r);
        }
        painter.setPen(Qt::NoPen);

        for (int hour = 0; hour < 12; ++hour) {
            if (hour == 3) {
                continue; // the date window takes its place
            }
            if (hour == 0) {
                paintBaton(painter, centre + QPointF(-1.7, 0), 0.0, 2.4);
                paintBaton(painter, centre + QPointF(1.7, 0), 0.0, 2.4);
            } else {
                paintBaton(painter, centre, hour * 30.0, hour % 3 == 0 ? 3.0 : 2.2);
            }
        }

        const QRectF window = kDateWindow.translated(centre);
        painter.setBrush(argb(0xFF12161B));
        painter.drawRoundedRect(window.adjusted(-1.0, -1.0, 1.0, 1.0), 1.2, 1.2);
        painter.setBrush(argb(0xFFF3F1EC));
        painter.drawRoundedRect(window, 0.8, 0.8);
    });
}

QImage overlay() {
    return paintSupersampled(QSize(kWindowSize, kWindowSize), [](QPainter& painter) {
        paintDropShadow(painter, kDial, 0.45);
        paintInnerShade(painter, kDial, 0.45);
        paintGlassHighlight(painter, kDial, 0.16);
        paintBezel(painter, kDial, argb(0xFFB4BCC6), argb(0xFF2A2F36));
    });
}

void paintHand(QPainter& painter, Hand hand) {
    const QColor lume = argb(0xFFF2F5F8);
    const QColor slot = argb(0xFF2B323B);
    switch (hand) {
    case Hand::Hour:
        painter.setBrush(lume);
        painter.drawPath(taperedHand(29.0, 5.0, 4.4, 3.4));
        painter.setBrush(slot);
        painter.drawPath(straightHand(24.0, -8.0, 1.5));
        painter.setBrush(lume);
        painter.drawEllipse(QPointF(0, 0), 3.2, 3.2);
        break;
    case Hand::Minute:
        // Plain: the clock draws hands at about one image pixel per screen
        // pixel, where a slot this narrow would only turn the hand grey.
        painter.setBrush(lume);
        painter.drawPath(taperedHand(44.5, 5.0, 3.2, 2.2));
        painter.drawEllipse(QPointF(0, 0), 2.6, 2.6);
        break;
    case Hand::Second: {
        const QColor orange = argb(0xFFFF7A1A);
        painter.setBrush(orange);
        painter.drawPath(straightHand(47.5, 11.0, 1.2));
        painter.drawEllipse(QPointF(0, 9.5), 1.7, 1.7);
        painter.drawEllipse(QPointF(0, 0), 2.0, 2.0);
        painter.setBrush(argb(0xFF2B323B));
        painter.drawEllipse(QPointF(0, 0), 0.8, 0.8);
        break;
    }
    }
}

} // namespace

ShippedTheme slateTheme() {
    ShippedTheme theme;
    theme.name = QStringLiteral("slate");
    theme.overrides = {
        {"MinorTickSize", "12"},
        {"CaptionX", QString::number(kCaptionX)},
        {"CaptionY", "0"},
        {"ShowMajorTicks", "0"},
        {"ShowTickNumbers", "0"},
        {"UseHandsImage", "1"},
        {"MinorTickColor", colourValue(0xFF8F9CAB)},
        {"CaptionColor", colourValue(0xFF1B2129)},
        {"CaptionFontName", "DejaVu Sans"},
        {"TickNumbersFontName", "DejaVu Sans"},
        {"CaptionFontSize", "60"},
        {"Format", "%#d"},
        {"Max", "80"},
    };
    theme.background = background();
    theme.mask = roundMask(kDial);
    theme.overlay = overlay();
    theme.hands = paintHandsImage(2, 0.55, paintHand);
    return theme;
}

} // namespace tikloom
