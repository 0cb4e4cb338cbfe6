#include "clock/core/memory_presenter.h"

#include "clock/core/pixel_buffer.h"

namespace tikloom {

void MemoryPresenter::Present(const PixelBuffer* frame, int alpha) {
    lastAlpha_ = alpha;
    if (frame != nullptr) {
        // A deep copy: the frame buffer is drawn over in place by the next frame.
        lastFrame_ = frame->image().copy();
        ++frameCount_;
    }
}

} // namespace tikloom
