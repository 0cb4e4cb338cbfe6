#pragma once
// Decoding of the image files a theme names.

#include <QImage>
#include <QString>

namespace tikloom {

// Largest decoded image accepted, in MiB (a 6000 x 4000 photo needs about 92).
constexpr int kImageAllocationLimitMiB = 128;

// The decoded image, or a null image when the file is missing, not a regular
// file (a FIFO or a device), empty, cannot be decoded, or claims a size beyond the allocation
// limit.
QImage DecodeImageFile(const QString& path);

} // namespace tikloom
