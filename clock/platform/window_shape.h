#pragma once
// The clock window's shape: the only pixels it shows and takes clicks on. It
// is set in device pixels, as Qt's own masks count logical pixels, too
// coarse for the outline of a clock drawn at a higher pixel density.

#include <QRegion>

class QWindow;

namespace tikloom {

// Shapes the native window to the region, in device pixels from its top-left
// corner. The region must not be empty.
void SetWindowShape(QWindow* window, const QRegion& devicePixels);

// Removes the shape: the whole window shows and takes input again.
void ClearWindowShape(QWindow* window);

} // namespace tikloom
