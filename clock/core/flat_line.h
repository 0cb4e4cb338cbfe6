#pragma once
// A straight, antialiased line with flat ends, blended into a premultiplied
// ARGB image. The tray's miniature draws its hands this way every second: a
// painter set up and stroking for three short lines costs many times the few
// hundred pixels they cover, most of it in code that has gone cold in the
// second since.

#include <QImage>
#include <QPointF>

namespace tikloom {

// Coordinates as a painter's: pixel (x, y) covers [x, x + 1) x [y, y + 1).
// Each pixel takes `colour` (ARGB, not premultiplied) by the share of it the
// line covers, in sixteenths. A line of no length draws nothing, as a
// flat-ended pen would.
void DrawFlatLine(QImage& image, QPointF from, QPointF to, double width, QRgb colour);

} // namespace tikloom
