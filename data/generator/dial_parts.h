#pragma once
// Pieces that several round dials share: the disc mask, the drop shadow,
// the bezel ring and the glass highlight. All sizes in window pixels.

#include <QColor>
#include <QImage>
#include <QPointF>

class QPainter;

namespace tikloom {

// The window is 128 x 128 pixels; masks and overlays cover all of it.
constexpr int kWindowSize = 128;

struct RoundDial {
    QPointF centre{60.0, 60.0};
    double faceRadius = 52.0; // where the mask cuts the background
    double bezelInner = 51.0; // the bezel covers the mask's soft edge
    double bezelOuter = 54.2;
};

// White disc on black: the mask of a round dial.
QImage roundMask(const RoundDial& dial);

// Soft shadow around the dial, falling a little downwards.
void paintDropShadow(QPainter& painter, const RoundDial& dial, double strength);

// A ring lit from above: `top` and `bottom` colours of its gradient, with a
// dark outline so that it reads on light desktops too.
void paintBezel(QPainter& painter, const RoundDial& dial, const QColor& top, const QColor& bottom);

// Shade just inside the bezel, so that the face seems set into it.
void paintInnerShade(QPainter& painter, const RoundDial& dial, double strength);

// A faint reflection of a window on the upper half of the glass.
void paintGlassHighlight(QPainter& painter, const RoundDial& dial, double strength);

} // namespace tikloom
