#include "clock/core/drawing_layer.h"

#include "clock/core/image_decoding.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineF>
#include <QPen>
#include <QStaticText>
#include <QStringList>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace tikloom {

namespace {

// Glyphs far larger than the 128-pixel window show nothing more, but would
// cost a great deal of memory and time to rasterise.
constexpr float kLargestFontPoints = 1000.0f;

// Family names as the font database lists them may carry a foundry in
// brackets ("Nimbus Sans [UKWN]"); themes name the family alone.
QString FamilyWithoutFoundry(const QString& family) {
    const int bracket = family.indexOf(QLatin1String(" ["));
    return bracket < 0 ? family : family.left(bracket);
}

const QStringList& InstalledFamilies() {
    static const QStringList families = QFontDatabase::families();
    return families;
}

const QString& SansSerifFamily() {
    static const QString family = QFontInfo(QFont(QStringLiteral("sans-serif"))).family();
    return family;
}

// The installed family of that name, or the generic sans-serif family. The
// font matcher is not asked, because it would quietly pick a look-alike.
QString FindFamilyOrSansSerif(const QString& faceName) {
    for (const QString& family : InstalledFamilies()) {
        if (FamilyWithoutFoundry(family).compare(faceName, Qt::CaseInsensitive) == 0) {
            return family;
        }
    }
    return SansSerifFamily();
}

// The caption's font is made for every frame, always of the same name: the
// last answer is kept instead of walking the family list again.
QString ExistingFamilyOrSansSerif(const QString& faceName) {
    static QString& lastName = *new QString;
    static QString& lastFamily = *new QString;
    static bool answered = false;
    if (!answered || faceName != lastName) {
        lastFamily = FindFamilyOrSansSerif(faceName);
        lastName = faceName;
        answered = true;
    }
    return lastFamily;
}

constexpr uint32_t kOpaqueAlpha = 255;
// Rows of a turned picture drawn at once (see DrawImagePoints).
constexpr int kImageBandRows = 8;

QColor Colour(uint32_t argb) {
    return QColor::fromRgba(argb);
}

// Every byte of every premultiplied pixel of the area times alpha / 255,
// truncated.
void ScaleByAlpha(QImage& layer, const QRect& area, uint32_t alpha) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* pixel = reinterpret_cast<uint32_t*>(layer.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const uint32_t value = pixel[x];
            if (value == 0) {
                continue; // most of a layer: nothing drawn there
            }
            // Two bytes at a time; n / 255 truncated is (n + (n >> 8) + 1) >> 8
            // for every product of two bytes.
            uint32_t evenBytes = (value & 0x00FF00FFu) * alpha;
            uint32_t oddBytes = ((value >> 8) & 0x00FF00FFu) * alpha;
            evenBytes = ((evenBytes + ((evenBytes >> 8) & 0x00FF00FFu) + 0x00010001u) >> 8);
            oddBytes = ((oddBytes + ((oddBytes >> 8) & 0x00FF00FFu) + 0x00010001u) >> 8);
            pixel[x] = (evenBytes & 0x00FF00FFu) | ((oddBytes & 0x00FF00FFu) << 8);
        }
    }
}

// The layer on which half-transparent shapes are drawn, made once (again
// only for a larger buffer): its drawing engine is kept with it, which makes
// opening it cheap.
QImage& ScratchLayer(int side) {
    static QImage& layer = *new QImage(kClockSize, kClockSize, QImage::Format_ARGB32_Premultiplied);
    if (layer.width() < side) {
        layer = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
    }
    return layer;
}

// The image reduced with area-averaging to the size it will be drawn at, so
// that bilinear drawing of the result shows every source pixel's share.
// Returns a null image when the image is not drawn smaller.
QImage ReducedTo(const QImage& image, double width, double height) {
    if (width >= image.width() && height >= image.height()) {
        return {};
    }
    const QSize size(std::max(1, static_cast<int>(std::lround(width))),
                     std::max(1, static_cast<int>(std::lround(height))));
    // The hands are drawn at the same size frame after frame: the last
    // reduction is kept so that it is made once per theme, not once a second.
    // The cache key changes whenever an image's pixels do.
    static qint64 lastKey = 0;
    static QSize lastSize;
    static QImage lastReduction;
    if (image.cacheKey() != lastKey || size != lastSize) {
        lastReduction = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        lastKey = image.cacheKey();
        lastSize = size;
    }
    return lastReduction;
}

// Lines of a text laid out in a font, kept from one call to the next: a
// caption that reads the same as a second ago is not shaped again.
struct CentredTextLayout {
    QString text;
    QFont font;
    double ratio = 1.0;
    std::vector<QStaticText> lines;
    qreal lineSpacing = 0;
};

// Laid out for the scale it is drawn at, so that drawing need not lay it out
// again.
const CentredTextLayout& LayoutOf(const QString& text, const QFont& font, QPaintDevice* device,
                                  double ratio) {
    // Never destroyed: glyphs must not outlive the application's fonts.
    static CentredTextLayout& last = *new CentredTextLayout;
    if (!last.lines.empty() && last.text == text && last.font == font &&
        last.font.hintingPreference() == font.hintingPreference() && last.ratio == ratio) {
        return last;
    }
    last.text = text;
    last.font = font;
    last.ratio = ratio;
    last.lines.clear();
    last.lineSpacing = QFontMetricsF(font, device).lineSpacing();
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QStaticText prepared(line);
        prepared.setTextFormat(Qt::PlainText);
        prepared.prepare(QTransform::fromScale(ratio, ratio), font);
        last.lines.push_back(prepared);
    }
    return last;
}

} // namespace

QImage DecodeImage(const QString& path) {
    const QImage image = DecodeImageFile(path);
    if (image.isNull()) {
        return {};
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

std::optional<QFont> MakeFont(const QString& faceName, float points) {
    if (!(points > 0.0f)) {
        return std::nullopt;
    }
    QFont font(ExistingFamilyOrSansSerif(faceName));
    font.setPointSizeF(std::min(points, kLargestFontPoints));
    font.setStyle(QFont::StyleNormal);
    font.setWeight(QFont::Normal);
    return font;
}

DrawingSurface::DrawingSurface(PixelBuffer& buffer)
    : painter_(&buffer.image()), devicePixels_(buffer.image().rect()), ratio_(buffer.ratio()) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    // At ratio 1 no scale at all, so that every pixel stays as it always was.
    if (ratio_ != 1.0) {
        painter_.scale(ratio_, ratio_);
    }
}

void DrawingSurface::Clear() {
    painter_.save();
    painter_.resetTransform();
    painter_.setCompositionMode(QPainter::CompositionMode_Source);
    painter_.fillRect(devicePixels_, Qt::transparent);
    painter_.restore();
}

void DrawingSurface::Translate(float dx, float dy) {
    painter_.translate(dx, dy);
}

void DrawingSurface::SetSmoothing(bool on) {
    painter_.setRenderHint(QPainter::Antialiasing, on);
}

void DrawingSurface::SetHighQualityFiltering(bool on) {
    highQualityFiltering_ = on;
}

void DrawingSurface::SetTextAntiAlias() {
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    unhintedText_ = true;
}

void DrawingSurface::DrawImage(const QImage& image, const QRectF& target) {
    if (image.isNull()) {
        return;
    }
    if (highQualityFiltering_) {
        const QRectF onDevice = painter_.worldTransform().mapRect(target);
        const QImage reduced = ReducedTo(image, onDevice.width(), onDevice.height());
        if (!reduced.isNull()) {
            painter_.drawImage(target, reduced, QRectF(reduced.rect()));
            return;
        }
    }
    painter_.drawImage(target, image, QRectF(image.rect()));
}

void DrawingSurface::DrawImage(const QImage& image, const QRect& target) {
    DrawImage(image, QRectF(target));
}

void DrawingSurface::DrawImagePoints(const QImage& image, const QPointF& upperLeft,
                                     const QPointF& upperRight, const QPointF& lowerLeft,
                                     const QRectF& source) {
    if (image.isNull() || !(source.width() > 0.0) || !(source.height() > 0.0)) {
        return;
    }
    const QPointF across = upperRight - upperLeft;
    const QPointF down = lowerLeft - upperLeft;
    if (across.x() * down.y() - across.y() * down.x() == 0.0) {
        return; // the parallelogram has no area
    }

    QImage drawn = image;
    QRectF drawnSource = source;
    if (highQualityFiltering_) {
        // The whole picture is reduced, so that the three hands of one
        // picture share one reduction.
        const double scaleX = std::hypot(across.x(), across.y()) * ratio_ / source.width();
        const double scaleY = std::hypot(down.x(), down.y()) * ratio_ / source.height();
        const QImage reduced = ReducedTo(image, image.width() * scaleX, image.height() * scaleY);
        if (!reduced.isNull()) {
            const double kx = static_cast<double>(reduced.width()) / image.width();
            const double ky = static_cast<double>(reduced.height()) / image.height();
            drawn = reduced;
            drawnSource =
                QRectF(source.x() * kx, source.y() * ky, source.width() * kx, source.height() * ky);
        }
    }

    // Maps the source rectangle, placed at the origin, onto the parallelogram.
    const QTransform onto(across.x() / drawnSource.width(), across.y() / drawnSource.width(),
                          down.x() / drawnSource.height(), down.y() / drawnSource.height(),
                          upperLeft.x(), upperLeft.y());
    const QTransform toDevice = onto * painter_.worldTransform();
    const QRect area = toDevice.mapRect(QRectF(QPointF(0.0, 0.0), drawnSource.size()))
                           .toAlignedRect()
                           .adjusted(-1, -1, 1, 1)
                           .intersected(devicePixels_);
    // Qt hands a fill of many spans to worker threads, which for a picture of
    // a hand's size costs far more than the fill. Drawn in bands of a few
    // rows, each fill stays on this thread.
    for (int top = area.top(); top <= area.bottom(); top += kImageBandRows) {
        painter_.save();
        painter_.resetTransform();
        painter_.setClipRect(QRect(area.left(), top, area.width(), kImageBandRows));
        painter_.setWorldTransform(toDevice);
        painter_.drawImage(QPointF(0.0, 0.0), drawn, drawnSource);
        painter_.restore();
    }
}

void DrawingSurface::FillRect(const QRect& rect, uint32_t argb) {
    DrawShape(QRectF(rect), argb,
              [&rect](QPainter& painter, const QColor& colour) { painter.fillRect(rect, colour); });
}

void DrawingSurface::FillEllipse(const QRectF& bounds, uint32_t argb) {
    DrawShape(bounds.normalized(), argb, [&bounds](QPainter& painter, const QColor& colour) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(bounds);
    });
}

void DrawingSurface::DrawLine(const QPointF& from, const QPointF& to, float width, uint32_t argb) {
    // Width 0 (and below) is the thinnest line the surface can draw.
    const qreal penWidth = std::max(width, 0.0f);
    // Square caps reach half the width past the ends, diagonally at most.
    const qreal reach = penWidth * M_SQRT1_2 + 1.0;
    DrawShape(QRectF(from, to).normalized().adjusted(-reach, -reach, reach, reach), argb,
              [&](QPainter& painter, const QColor& colour) {
                  painter.setPen(
                      QPen(colour, penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
                  painter.drawLine(QLineF(from, to));
              });
}

// Qt hands the filling of a colour that is neither opaque nor transparent to
// worker threads, which costs far more than the filling itself for shapes of
// a clock's size. Such a shape is drawn opaque on a small layer, the layer is
// scaled by the colour's alpha and laid over the buffer in one blit: the same
// source-over result, on this thread.
void DrawingSurface::DrawShape(const QRectF& reach, uint32_t argb, const ShapeDrawing& draw) {
    const uint32_t alpha = argb >> 24;
    if (alpha == 0) {
        return; // source-over of a transparent colour changes nothing
    }
    if (alpha == kOpaqueAlpha) {
        draw(painter_, Colour(argb));
        return;
    }
    const QRect area = painter_.worldTransform()
                           .mapRect(reach)
                           .toAlignedRect()
                           .adjusted(-1, -1, 1, 1)
                           .intersected(devicePixels_);
    if (area.isEmpty()) {
        return;
    }
    // The layer lies over the buffer pixel for pixel; only the area is
    // cleared, drawn, scaled and laid over.
    QImage& layer = ScratchLayer(devicePixels_.width());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::fill_n(reinterpret_cast<uint32_t*>(layer.scanLine(y)) + area.left(), area.width(), 0u);
    }
    {
        QPainter layerPainter(&layer);
        layerPainter.setRenderHints(painter_.renderHints());
        layerPainter.setWorldTransform(painter_.worldTransform());
        draw(layerPainter, Colour(argb | (kOpaqueAlpha << 24)));
    }
    ScaleByAlpha(layer, area, alpha);
    painter_.save();
    painter_.resetTransform();
    painter_.drawImage(area.topLeft(), layer, area);
    painter_.restore();
}

void DrawingSurface::DrawCentredText(const QString& text, const std::optional<QFont>& font,
                                     const QPointF& centre, uint32_t argb) {
    if (!font || text.isEmpty()) {
        return;
    }
    QFont drawnFont = *font;
    if (unhintedText_) {
        drawnFont.setHintingPreference(QFont::PreferNoHinting);
    }
    const CentredTextLayout& layout = LayoutOf(text, drawnFont, painter_.device(), ratio_);
    painter_.setFont(drawnFont);
    painter_.setPen(Colour(argb));
    // Each line is as high as the font's line spacing; the block of lines is
    // centred on the point, each line on its own horizontally.
    const qreal top = centre.y() - layout.lineSpacing * static_cast<qreal>(layout.lines.size()) / 2;
    qreal lineTop = top;
    for (const QStaticText& line : layout.lines) {
        painter_.drawStaticText(QPointF(centre.x() - line.size().width() / 2, lineTop), line);
        lineTop += layout.lineSpacing;
    }
}

} // namespace tikloom
