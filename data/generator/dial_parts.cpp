#include "dial_parts.h"

#include "canvas.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace tikloom {

namespace {

QPainterPath disc(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath ring(QPointF centre, double inner, double outer) {
    return disc(centre, outer).subtracted(disc(centre, inner));
}

} // namespace

QImage roundMask(const RoundDial& dial) {
    return paintMask(QSize(kWindowSize, kWindowSize), [&](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, kWindowSize, kWindowSize), Qt::black);
        painter.setBrush(Qt::white);
        painter.drawEllipse(dial.centre, dial.faceRadius, dial.faceRadius);
    });
}

void paintDropShadow(QPainter& painter, const RoundDial& dial, double strength) {
    const QPointF shadowCentre = dial.centre + QPointF(0.0, 1.4);
    const double reach = 4.6;
    QRadialGradient shade(shadowCentre, dial.bezelOuter + reach);
    const double start = (dial.bezelOuter - 1.0) / (dial.bezelOuter + reach);
    shade.setColorAt(0.0, withAlpha(Qt::black, strength));
    shade.setColorAt(start, withAlpha(Qt::black, strength));
    shade.setColorAt((start + 1.0) / 2.0, withAlpha(Qt::black, strength * 0.3));
    shade.setColorAt(1.0, withAlpha(Qt::black, 0.0));
    painter.setBrush(shade);
    painter.drawPath(ring(shadowCentre, dial.bezelOuter - 1.0, dial.bezelOuter + reach)
                         .subtracted(disc(dial.centre, dial.bezelOuter - 0.5)));
}

void paintBezel(QPainter& painter, const RoundDial& dial, const QColor& top, const QColor& bottom) {
    QLinearGradient light(dial.centre - QPointF(0, dial.bezelOuter),
                          dial.centre + QPointF(0, dial.bezelOuter));
    light.setColorAt(0.0, top);
    light.setColorAt(1.0, bottom);
    painter.setBrush(light);
    painter.drawPath(ring(dial.centre, dial.bezelInner, dial.bezelOuter));

    // The inner edge catches the light from below, the outer edge outlines the
    // clock against the desktop.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(withAlpha(Qt::black, 0.68), 0.6));
    painter.drawEllipse(dial.centre, dial.bezelOuter - 0.3, dial.bezelOuter - 0.3);
    QLinearGradient edge(dial.centre - QPointF(0, dial.bezelInner),
                         dial.centre + QPointF(0, dial.bezelInner));
    edge.setColorAt(0.0, withAlpha(Qt::black, 0.45));
    edge.setColorAt(1.0, withAlpha(Qt::white, 0.5));
    painter.setPen(QPen(QBrush(edge), 0.5));
    painter.drawEllipse(dial.centre, dial.bezelInner + 0.25, dial.bezelInner + 0.25);
    painter.setPen(Qt::NoPen);
}

void paintInnerShade(QPainter& painter, const RoundDial& dial, double strength) {
    // Centred a little low, so that the upper rim casts the deeper shade.
    const QPointF shadeCentre = dial.centre + QPointF(0.0, 1.2);
    QRadialGradient shade(shadeCentre, dial.bezelInner + 1.2);
    shade.setColorAt(0.0, withAlpha(Qt::black, 0.0));
    shade.setColorAt(0.86, withAlpha(Qt::black, 0.0));
    shade.setColorAt(1.0, withAlpha(Qt::black, strength));
    painter.setBrush(shade);
    painter.drawPath(disc(dial.centre, dial.bezelInner + 0.2));
}

void paintGlassHighlight(QPainter& painter, const RoundDial& dial, double strength) {
    const double r = dial.bezelInner - 1.0;
    const QRectF reflection(dial.centre.x() - r * 0.92, dial.centre.y() - r * 0.98, r * 1.84,
                            r * 1.1);
    QPainterPath path;
    path.addEllipse(reflection);
    path = path.intersected(disc(dial.centre, r));
    QLinearGradient fade(reflection.topLeft(), reflection.bottomLeft());
    fade.setColorAt(0.0, withAlpha(Qt::white, strength));
    fade.setColorAt(0.55, withAlpha(Qt::white, strength * 0.25));
    fade.setColorAt(1.0, withAlpha(Qt::white, 0.0));
    painter.setBrush(fade);
    painter.drawPath(path);
}

} // namespace tikloom
