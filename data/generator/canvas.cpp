#include "canvas.h"

#include <QPainter>
#include <QTextStream>
#include <cmath>
#include <cstdlib>

namespace tikloom {

namespace {

int density = 1;

} // namespace

void setImageDensity(int pixelsPerUnit) {
    density = pixelsPerUnit;
}

int imageDensity() {
    return density;
}

QImage paintSupersampled(QSize size, const std::function<void(QPainter&)>& paint) {
    const QSize pixels = size * density;
    QImage large(pixels * kSupersampling, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    {
        QPainter painter(&large);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(kSupersampling * density, kSupersampling * density);
        painter.setPen(Qt::NoPen);
        paint(painter);
    }
    return large.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage paintMask(QSize size, const std::function<void(QPainter&)>& paint) {
    QImage coverage = paintSupersampled(size, paint);
    QImage mask(coverage.size(), QImage::Format_RGB32);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            // Painted in white, so any colour byte of the premultiplied
            // pixel is the coverage.
            const int level = qRed(coverage.pixel(x, y));
            mask.setPixel(x, y, qRgb(level, level, level));
        }
    }
    return mask;
}

QColor argb(unsigned value) {
    return QColor::fromRgba(value);
}

QColor withAlpha(const QColor& colour, double alpha) {
    QColor result = colour;
    result.setAlphaF(static_cast<float>(alpha));
    return result;
}

QPointF polarPoint(QPointF centre, double distance, double degrees) {
    const double radians = degrees * M_PI / 180.0;
    return centre + QPointF(distance * std::sin(radians), -distance * std::cos(radians));
}

namespace {

// One horizontal box blur of premultiplied pixels, written transposed so that
// two calls blur both directions.
QImage boxBlurTransposed(const QImage& source, int radius) {
    QImage result(source.height(), source.width(), QImage::Format_ARGB32_Premultiplied);
    const int width = source.width();
    const int span = 2 * radius + 1;
    for (int y = 0; y < source.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            int sum[4] = {0, 0, 0, 0};
            for (int k = x - radius; k <= x + radius; ++k) {
                if (k < 0 || k >= width) {
                    continue;
                }
                sum[0] += qAlpha(row[k]);
                sum[1] += qRed(row[k]);
                sum[2] += qGreen(row[k]);
                sum[3] += qBlue(row[k]);
            }
            result.setPixel(y, x,
                            qRgba(sum[1] / span, sum[2] / span, sum[3] / span, sum[0] / span));
        }
    }
    return result;
}

} // namespace

QImage blurred(const QImage& image, int radius) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int pass = 0; pass < 3; ++pass) {
        result = boxBlurTransposed(boxBlurTransposed(result, radius * density), radius * density);
    }
    return result;
}

void savePng(const QImage& image, const QString& path) {
    if (!image
             .convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                      : QImage::Format_RGB32)
             .save(path, "PNG")) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        std::exit(1);
    }
}

} // namespace tikloom
