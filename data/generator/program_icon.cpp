// The program icon: the default dial in miniature at ten past ten, with the
// details thinned out as the icon gets smaller so that it never turns to mud.

#include "canvas.h"
#include "icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

namespace tikloom {

namespace {

// The icon is drawn in a square of 100 units.
constexpr double kUnits = 100.0;
const QPointF kCentre(50.0, 50.0);

// Angles of 10:08:37, clockwise from 12 o'clock in degrees.
constexpr double kHourAngle = (10 + 8 / 60.0) * 30.0;
constexpr double kMinuteAngle = (8 + 37 / 60.0) * 6.0;
constexpr double kSecondAngle = 37 * 6.0;

void drawHand(QPainter& painter, const QColor& colour, double width, double angle, double head,
              double tail) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(polarPoint(kCentre, -tail, angle), polarPoint(kCentre, head, angle));
    painter.setPen(Qt::NoPen);
}

} // namespace

QImage programIcon(int size) {
    // Widths never fall below a share of a real pixel.
    const double pixel = kUnits / size;
    auto atLeast = [pixel](double units, double pixels) { return std::max(units, pixels * pixel); };
    const bool tiny = size <= 16;
    const double rim = tiny ? 49.0 : 46.0;

    return paintSupersampled(QSize(size, size), [&](QPainter& painter) {
        painter.scale(size / kUnits, size / kUnits);
        if (!tiny) {
            QRadialGradient shade(kCentre + QPointF(0, 2.0), 50.0);
            shade.setColorAt(0.88, withAlpha(Qt::black, 0.35));
            shade.setColorAt(1.0, withAlpha(Qt::black, 0.0));
            painter.setBrush(shade);
            painter.drawEllipse(kCentre + QPointF(0, 2.0), 50.0, 50.0);
        }
        // Bezel with a dark outline, then the ivory face.
        QLinearGradient metal(0, kCentre.y() - rim, 0, kCentre.y() + rim);
        metal.setColorAt(0.0, argb(0xFFF4F4F2));
        metal.setColorAt(1.0, argb(0xFF7E7C78));
        // At 16 pixels a metal gradient reads as grey fuzz: a plain dark ring.
        painter.setBrush(tiny ? QBrush(argb(0xFF4A4A4A)) : QBrush(metal));
        painter.setPen(QPen(argb(0xFF3A3A3A), atLeast(1.2, 0.8)));
        painter.drawEllipse(kCentre, rim, rim);
        painter.setPen(Qt::NoPen);
        const double face = tiny ? rim - 1.1 * pixel : rim - atLeast(4.5, 1.1);
        QRadialGradient ivory(kCentre, face, kCentre - QPointF(0, face * 0.3));
        ivory.setColorAt(0.0, argb(0xFFFFFEFB));
        ivory.setColorAt(0.6, argb(0xFFF6F3EC));
        ivory.setColorAt(1.0, argb(0xFFE2DCD0));
        painter.setBrush(ivory);
        painter.drawEllipse(kCentre, face, face);

        // Hour marks: all twelve from 32 pixels, the four quarters below.
        const QColor ink = argb(0xFF3C3C3C);
        const int step = tiny ? 3 : 1;
        for (int hour = 0; hour < 12; hour += step) {
            const bool quarter = hour % 3 == 0;
            const double length = quarter ? face * 0.2 : face * 0.12;
            painter.setPen(QPen(tiny ? argb(0xFF8A857C) : ink,
                                atLeast(quarter ? 3.2 : 2.0, tiny      ? 1.0
                                                             : quarter ? 1.0
                                                                       : 0.7),
                                Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(polarPoint(kCentre, face * 0.9 - length, hour * 30.0),
                             polarPoint(kCentre, face * 0.9, hour * 30.0));
        }
        painter.setPen(Qt::NoPen);

        // Below 32 pixels the hands lose their tails and the pin shrinks, or
        // they would run together into one blot.
        const double tail = tiny ? 0.0 : face * 0.1;
        drawHand(painter, argb(0xFF2E2E2E), atLeast(6.0, tiny ? 1.5 : 1.7), kHourAngle, face * 0.5,
                 tail);
        drawHand(painter, argb(0xFF141414), atLeast(4.0, 1.2), kMinuteAngle, face * 0.8, tail);
        if (!tiny) {
            drawHand(painter, argb(0xFFD40000), atLeast(1.6, 0.9), kSecondAngle, face * 0.82,
                     face * 0.2);
        }
        painter.setBrush(tiny ? argb(0xFF141414) : argb(0xFFD40000));
        const double pin = tiny ? 0.6 * pixel : atLeast(3.5, 1.1);
        painter.drawEllipse(kCentre, pin, pin);
    });
}

} // namespace tikloom
