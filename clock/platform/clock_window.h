#pragma once
// The clock window: frameless, always on top, out of the taskbar, 128 x 128
// logical pixels, showing the composed frame with its per-pixel alpha at the
// screen's device pixel ratio. It is also the
// clock's Presenter: a frame replaces the picture, an opacity alone changes
// only the window's overall opacity and never repaints.

#include "clock/core/presenter.h"

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

namespace tikloom {

class FrameUpload;

class ClockWindow : public QWidget, public Presenter {
    Q_OBJECT
public:
    ClockWindow();
    ~ClockWindow() override;

    void Present(const PixelBuffer* frame, int alpha) override;

    // Click-through on: every click goes to the windows beneath.
    void SetClickThrough(bool on);
    // Without a compositor the outline is cut tighter, as alpha is ignored.
    void SetCompositorActive(bool active);
    void SetCursors(const QCursor& open, const QCursor& closed);
    // Text of the hover tooltip, made each time it shows.
    void SetTooltipText(std::function<QString()> text) { tooltipText_ = std::move(text); }
    // Device pixels per logical pixel of the screen the window is on.
    double PixelRatio() const;
    void CheckPixelRatio();

signals:
    void MinimizeRequested();
    void ContextMenuRequested(QPoint globalPosition);
    void TimeModeKeyPressed();
    void Moved();
    void PixelRatioChanged(double ratio);
    // The system asked the window to close (taskkill, a window manager's
    // close): the clock ends the orderly way, as for Exit.
    void CloseRequested();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void UpdateOutline();
    void ForgetOutline();
    bool OutlineNeeded() const;
    const QImage& Frame() const;
    void EndDrag();

    std::unique_ptr<FrameUpload> upload_;
    bool toolkitCopyStale_ = false;      // frames went up past Qt's backing store
    const PixelBuffer* shown_ = nullptr; // the last frame, owned by the clock
    QImage blank_;                       // shown before the first frame
    int alpha_ = -1;
    bool composited_ = true;
    bool clickThrough_ = false;
    QByteArray outline_;
    QCursor openHand_{Qt::OpenHandCursor};
    QCursor closedHand_{Qt::ClosedHandCursor};
    std::function<QString()> tooltipText_;

    enum class Drag { None, Pressed, Manual };
    Drag drag_ = Drag::None;
    QPoint pressOffset_; // pointer position inside the window at the press
};

} // namespace tikloom
