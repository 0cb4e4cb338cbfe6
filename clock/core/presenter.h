#pragma once
// Where a finished frame goes: the clock window, or an in-memory sink for
// tests and the render tool.

namespace tikloom {

class PixelBuffer;

class Presenter {
public:
    virtual ~Presenter() = default;
    // Shows frame at the overall opacity alpha (0..255). A null frame changes
    // only the opacity and keeps the picture shown last.
    virtual void Present(const PixelBuffer* frame, int alpha) = 0;
};

} // namespace tikloom
