#pragma once
// A Presenter that keeps the last frame and opacity in memory, for the render
// tool and the tests.

#include "clock/core/presenter.h"

#include <QImage>

namespace tikloom {

class MemoryPresenter : public Presenter {
public:
    void Present(const PixelBuffer* frame, int alpha) override;

    // The last frame presented (premultiplied ARGB32); null before the first.
    const QImage& LastFrame() const { return lastFrame_; }
    int LastAlpha() const { return lastAlpha_; }
    // How many times a frame (not only an opacity) was presented.
    int FrameCount() const { return frameCount_; }

private:
    QImage lastFrame_;
    int lastAlpha_ = 0;
    int frameCount_ = 0;
};

} // namespace tikloom
