#pragma once
// Puts each new frame straight into the clock's native window. Once a second
// the toolkit's repaint (a painter on its backing store, then that store
// copied to the window) costs several times the upload of the frame itself.
// Where the window system takes the frame directly, Put() does so, and only
// the part that changed since the frame before; elsewhere it returns false
// and the window repaints as usual. An opacity below 255 is applied to the
// pixels on their way, to the changed part only.

#include <QImage>
#include <memory>

class QWindow;

namespace tikloom {

class FrameUpload {
public:
    explicit FrameUpload(QWindow* window);
    ~FrameUpload();
    FrameUpload(const FrameUpload&) = delete;
    FrameUpload& operator=(const FrameUpload&) = delete;

    // True when the frame, of the window's size in device pixels, went up,
    // faded by `alpha` (255: as drawn).
    bool Put(const QImage& frame, int alpha);

private:
    struct Native;
    std::unique_ptr<Native> native_;
};

} // namespace tikloom
