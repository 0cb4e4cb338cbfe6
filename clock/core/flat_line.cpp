#include "clock/core/flat_line.h"

#include "clock/core/premultiplied_over.h"

#include <algorithm>
#include <cmath>

namespace tikloom {

namespace {

// Pixels the line's edge crosses are sampled at 4 x 4 points; a pixel whose
// centre lies this far inside every edge is covered whole, this far outside
// any edge not at all (half the pixel's diagonal).
constexpr int kSamplesPerSide = 4;
constexpr int kSamples = kSamplesPerSide * kSamplesPerSide;
constexpr double kHalfDiagonal = 0.7072;
constexpr double kHalfPixel = 0.5;

// The line as a rectangle: distances along it from `from` and across it.
struct Band {
    QPointF From;
    double Ux = 0;
    double Uy = 0;
    double Length = 0;
    double Half = 0; // half the width

    bool Covers(double x, double y) const {
        const double px = x - From.x();
        const double py = y - From.y();
        const double along = px * Ux + py * Uy;
        return along >= 0 && along < Length && std::abs(px * Uy - py * Ux) < Half;
    }
};

// Of kSamples, how many points of pixel (x, y) the line covers.
int Coverage(const Band& band, int x, int y) {
    const double px = x + kHalfPixel - band.From.x();
    const double py = y + kHalfPixel - band.From.y();
    const double along = px * band.Ux + py * band.Uy;
    const double across = std::abs(px * band.Uy - py * band.Ux);
    if (across >= band.Half + kHalfDiagonal || along <= -kHalfDiagonal ||
        along >= band.Length + kHalfDiagonal)
        return 0;
    if (across <= band.Half - kHalfDiagonal && along >= kHalfDiagonal &&
        along <= band.Length - kHalfDiagonal)
        return kSamples;
    int covered = 0;
    for (int i = 0; i < kSamplesPerSide; ++i) {
        for (int j = 0; j < kSamplesPerSide; ++j) {
            const double step = 1.0 / kSamplesPerSide;
            covered += band.Covers(x + (j + kHalfPixel) * step, y + (i + kHalfPixel) * step);
        }
    }
    return covered;
}

QRgb Scaled(QRgb premultiplied, int covered) {
    const auto scale = [covered](int channel) {
        return static_cast<uint>((channel * covered + kSamples / 2) / kSamples);
    };
    return (scale(qAlpha(premultiplied)) << 24) | (scale(qRed(premultiplied)) << 16) |
           (scale(qGreen(premultiplied)) << 8) | scale(qBlue(premultiplied));
}

} // namespace

void DrawFlatLine(QImage& image, QPointF from, QPointF to, double width, QRgb colour) {
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    const double length = std::hypot(dx, dy);
    if (!(length > 0) || !(width > 0) || image.format() != QImage::Format_ARGB32_Premultiplied)
        return;
    const Band band{from, dx / length, dy / length, length, width / 2};
    const QRgb source = qPremultiply(colour);

    const double reach = band.Half + 1;
    const auto low = [reach](double a, double b) { return std::floor(std::min(a, b) - reach); };
    const auto high = [reach](double a, double b) { return std::ceil(std::max(a, b) + reach); };
    const int left = static_cast<int>(std::max(0.0, low(from.x(), to.x())));
    const int right = static_cast<int>(std::min(image.width() - 1.0, high(from.x(), to.x())));
    const int top = static_cast<int>(std::max(0.0, low(from.y(), to.y())));
    const int bottom = static_cast<int>(std::min(image.height() - 1.0, high(from.y(), to.y())));
    for (int y = top; y <= bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = left; x <= right; ++x) {
            const int covered = Coverage(band, x, y);
            if (covered > 0)
                row[x] = PremultipliedOver(Scaled(source, covered), row[x]);
        }
    }
}

} // namespace tikloom
