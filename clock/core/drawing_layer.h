#pragma once
// The clock's drawing layer: the few drawing operations the face and time
// renderers need, on a PixelBuffer, composited source-over into its
// premultiplied pixels. Nothing here reports a failure: an image that cannot
// be decoded is empty and draws as nothing, a font that cannot be made draws
// no text.

#include "clock/core/pixel_buffer.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace tikloom {

// Decodes an image file with its alpha channel. A missing, empty or
// undecodable file gives a null image (0 x 0).
QImage DecodeImage(const QString& path);

// A regular font of the named family at a size in points (96 dots per inch on
// a PixelBuffer). A family that is not installed gives the generic sans-serif
// family instead; a size that makes no font (0 or less) gives no font.
std::optional<QFont> MakeFont(const QString& faceName, float points);

// A drawing surface open on one buffer for the time of one drawing. Its
// coordinates are design pixels (128 across the buffer, whatever its ratio):
// on a denser buffer every shape, text and image is drawn at the buffer's
// own resolution.
class DrawingSurface {
public:
    explicit DrawingSurface(PixelBuffer& buffer);
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;

    // Every pixel becomes 0, whatever the origin.
    void Clear();
    // Later drawing is shifted by (dx, dy).
    void Translate(float dx, float dy);
    // Anti-aliased edges for lines and ellipses; off by default.
    void SetSmoothing(bool on);
    // Better filtering for images drawn smaller than their size; bilinear
    // filtering otherwise and by default.
    void SetHighQualityFiltering(bool on);
    // Anti-aliased glyphs without hinting for the text drawn afterwards.
    void SetTextAntiAlias();

    // The whole image stretched into the rectangle.
    void DrawImage(const QImage& image, const QRectF& target);
    void DrawImage(const QImage& image, const QRect& target);
    // The source rectangle (pixels) onto the parallelogram whose upper-left,
    // upper-right and lower-left corners are the three points.
    void DrawImagePoints(const QImage& image, const QPointF& upperLeft, const QPointF& upperRight,
                         const QPointF& lowerLeft, const QRectF& source);

    void FillRect(const QRect& rect, uint32_t argb);
    // The ellipse inscribed in the rectangle.
    void FillEllipse(const QRectF& bounds, uint32_t argb);
    // A line with square caps: the stroke goes on half the width past each end.
    void DrawLine(const QPointF& from, const QPointF& to, float width, uint32_t argb);
    // The text block centred on the point; each line is centred on its own.
    void DrawCentredText(const QString& text, const std::optional<QFont>& font,
                         const QPointF& centre, uint32_t argb);

private:
    using ShapeDrawing = std::function<void(QPainter&, const QColor&)>;
    // Draws a shape lying within reach (drawing coordinates) in the colour.
    void DrawShape(const QRectF& reach, uint32_t argb, const ShapeDrawing& draw);

    QPainter painter_;
    QRect devicePixels_; // the whole buffer
    double ratio_ = 1.0;
    bool highQualityFiltering_ = false;
    bool unhintedText_ = false;
};

} // namespace tikloom
