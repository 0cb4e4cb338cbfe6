#pragma once
// A square bitmap of premultiplied 0xAARRGGBB pixels (the face and the frame
// of the clock), with the pixel operations the renderers use. The clock is
// designed on 128 x 128 pixels; on a screen of a higher pixel density the
// buffer holds 128 x ratio device pixels per side and drawing is scaled.

#include <QImage>

namespace tikloom {

constexpr int kClockSize = 128;
constexpr int kClockPixels = kClockSize * kClockSize;

// Device pixels per side of a buffer at that ratio: 128 x ratio rounded, at
// least one. Ratios below 1 or not a number count as 1.
int DeviceSide(double ratio);

class PixelBuffer {
public:
    // Zeroed, Format_ARGB32_Premultiplied, 96 dots per inch.
    explicit PixelBuffer(double ratio = 1.0);

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    uint32_t* bits();
    const uint32_t* bits() const;
    int side() const { return image_.width(); }
    int pixelCount() const { return side() * side(); }
    // Device pixels per design pixel: side / 128, exactly 1 at ratio 1.
    double ratio() const { return static_cast<double>(side()) / kClockSize; }

private:
    QImage image_;
};

// Copies all pixels of source into target, which takes the source's size.
void CopyPixels(PixelBuffer& target, const PixelBuffer& source);
// Sets the face's alpha to the mask's red byte, then premultiplies the face.
// Both are of one size.
void ApplyMask(PixelBuffer& face, const PixelBuffer& mask);
// colour = colour * alpha / 255, truncated; alpha unchanged.
void Premultiply(PixelBuffer& buffer);

} // namespace tikloom
