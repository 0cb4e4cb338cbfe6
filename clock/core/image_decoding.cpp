#include "clock/core/image_decoding.h"

#include "common/regular_file.h"

#include <QFile>
#include <QImageReader>
#include <QSize>

namespace tikloom {

namespace {

constexpr qint64 kBytesPerPixel = 4;
constexpr qint64 kBytesPerMiB = 1024 * 1024;

// A header may claim any size; refusing it here costs nothing, while decoding
// would allocate first. Formats that report no size are held by the reader's
// own allocation limit.
bool ClaimsTooLargeSize(const QSize& size) {
    if (!size.isValid()) {
        return false;
    }
    const qint64 bytes = qint64(size.width()) * qint64(size.height()) * kBytesPerPixel;
    return bytes > qint64(kImageAllocationLimitMiB) * kBytesPerMiB;
}

} // namespace

QImage DecodeImageFile(const QString& path) {
    QFile file;
    if (!OpenRegularFile(file, path)) {
        return {};
    }
    QImageReader reader(&file);
    reader.setAllocationLimit(kImageAllocationLimitMiB);
    if (ClaimsTooLargeSize(reader.size())) {
        return {};
    }
    return reader.read();
}

} // namespace tikloom
