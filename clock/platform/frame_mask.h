#pragma once
// The region of a frame's visible pixels: the clock's input region (fully
// transparent pixels take no clicks) and, without a compositor, its outline.

#include <QByteArray>
#include <QImage>
#include <QRegion>

namespace tikloom {

// One bit per pixel: alpha at least minAlpha. Cheap to compare, so the region
// is rebuilt only when the picture's outline really changed.
QByteArray OutlineSignature(const QImage& frame, int minAlpha);

// The pixels whose alpha is at least minAlpha, as row runs.
QRegion VisibleRegion(const QImage& frame, int minAlpha);

} // namespace tikloom
