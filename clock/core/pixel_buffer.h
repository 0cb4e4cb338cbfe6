#pragma once
// A 128 x 128 bitmap of premultiplied 0xAARRGGBB pixels (the face and the
// frame of the clock), with the pixel operations the renderers use.

#include <QImage>

namespace tikloom {

constexpr int kClockSize = 128;
constexpr int kClockPixels = kClockSize * kClockSize;

class PixelBuffer {
public:
    PixelBuffer(); // zeroed, Format_ARGB32_Premultiplied, 96 dots per inch

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    uint32_t* bits();
    const uint32_t* bits() const;

private:
    QImage image_;
};

// Copies all 16384 pixels of source into target.
void CopyPixels(PixelBuffer& target, const PixelBuffer& source);
// Sets the face's alpha to the mask's red byte, then premultiplies the face.
void ApplyMask(PixelBuffer& face, const PixelBuffer& mask);
// colour = colour * alpha / 255, truncated; alpha unchanged.
void Premultiply(PixelBuffer& buffer);

} // namespace tikloom
