// The window repaints through Qt's backing store, which on Windows hands the
// frame to the layered window in one call already.

#include "clock/platform/frame_upload.h"

namespace tikloom {

struct FrameUpload::Native {};

FrameUpload::FrameUpload(QWindow*) {}

FrameUpload::~FrameUpload() = default;

bool FrameUpload::Put(const QImage&, int) {
    return false;
}

} // namespace tikloom
