#include "clock/core/pixel_buffer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#ifdef _WIN32
#include <malloc.h>
#endif

namespace tikloom {

namespace {

// 96 dots per inch, so that point sizes of fonts become the pixel sizes a
// desktop clock at the usual logical resolution shows.
constexpr int kDotsPerMetre = 3780;

constexpr uint32_t kAlphaShift = 24;
constexpr uint32_t kRedShift = 16;
constexpr uint32_t kGreenShift = 8;
constexpr uint32_t kByteMask = 0xFF;

uint32_t Channel(uint32_t pixel, uint32_t shift) {
    return (pixel >> shift) & kByteMask;
}

// The pixels start on a page boundary. Two buffers made one after the other
// would otherwise lie a few bytes more than 64 KiB apart, and copying one
// into the other then runs about ten times slower than it should, because
// each store falls on the same place within a page as a load that follows.
constexpr size_t kPageSize = 4096;
// Larger than any screen's density needs; keeps a bad ratio from asking for
// gigabytes.
constexpr double kLargestRatio = 16.0;

// The C library of Windows has no aligned_alloc; its own pair does the same.
void* AllocatePages(size_t bytes) {
#ifdef _WIN32
    return _aligned_malloc(bytes, kPageSize);
#else
    return std::aligned_alloc(kPageSize, bytes);
#endif
}

void FreePixels(void* pixels) {
#ifdef _WIN32
    _aligned_free(pixels);
#else
    std::free(pixels);
#endif
}

QImage PageAlignedImage(int side) {
    const size_t bytes = sizeof(uint32_t) * static_cast<size_t>(side) * static_cast<size_t>(side);
    // aligned_alloc wants a whole number of pages.
    const size_t pages = (bytes + kPageSize - 1) / kPageSize;
    auto* pixels = static_cast<uchar*>(AllocatePages(pages * kPageSize));
    if (pixels == nullptr) {
        throw std::bad_alloc();
    }
    return QImage(pixels, side, side, side * static_cast<qsizetype>(sizeof(uint32_t)),
                  QImage::Format_ARGB32_Premultiplied, FreePixels, pixels);
}

} // namespace

int DeviceSide(double ratio) {
    if (!(ratio > 1.0)) {
        return kClockSize;
    }
    return static_cast<int>(std::lround(kClockSize * std::min(ratio, kLargestRatio)));
}

PixelBuffer::PixelBuffer(double ratio) : image_(PageAlignedImage(DeviceSide(ratio))) {
    image_.setDotsPerMeterX(kDotsPerMetre);
    image_.setDotsPerMeterY(kDotsPerMetre);
    image_.fill(0);
}

// Rows of pixels of 4 bytes need no padding, so the pixels form one array.
uint32_t* PixelBuffer::bits() {
    return reinterpret_cast<uint32_t*>(image_.bits());
}

const uint32_t* PixelBuffer::bits() const {
    return reinterpret_cast<const uint32_t*>(image_.constBits());
}

void CopyPixels(PixelBuffer& target, const PixelBuffer& source) {
    if (target.side() != source.side()) {
        target = PixelBuffer(source.ratio());
    }
    std::memcpy(target.bits(), source.bits(),
                sizeof(uint32_t) * static_cast<size_t>(source.pixelCount()));
}

void ApplyMask(PixelBuffer& face, const PixelBuffer& mask) {
    uint32_t* facePixels = face.bits();
    const uint32_t* maskPixels = mask.bits();
    const int count = std::min(face.pixelCount(), mask.pixelCount());
    for (int i = 0; i < count; ++i) {
        const uint32_t alpha = Channel(maskPixels[i], kRedShift);
        facePixels[i] = (facePixels[i] & 0x00FFFFFFu) | (alpha << kAlphaShift);
    }
    Premultiply(face);
}

void Premultiply(PixelBuffer& buffer) {
    uint32_t* pixels = buffer.bits();
    const int count = buffer.pixelCount();
    for (int i = 0; i < count; ++i) {
        const uint32_t pixel = pixels[i];
        const uint32_t alpha = Channel(pixel, kAlphaShift);
        const uint32_t red = Channel(pixel, kRedShift) * alpha / 255;
        const uint32_t green = Channel(pixel, kGreenShift) * alpha / 255;
        const uint32_t blue = Channel(pixel, 0) * alpha / 255;
        pixels[i] = (alpha << kAlphaShift) | (red << kRedShift) | (green << kGreenShift) | blue;
    }
}

} // namespace tikloom
