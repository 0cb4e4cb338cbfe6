#pragma once
// The clock window: frameless, always on top, out of the taskbar, 128 x 128
// logical pixels, showing the composed frame with its per-pixel alpha at the
// screen's device pixel ratio. It is also the
// clock's Presenter: a frame replaces the picture; an opacity alone changes
// the window's overall opacity, which where a compositor runs on X11 is put
// into the pixels it shows (the outline still follows the frame as drawn).

#include "clock/core/drag_rules.h"
#include "clock/core/presenter.h"

#include <QByteArray>
#include <QCursor>
#include <QElapsedTimer>
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
    // A position the clock asks for; it ends a move the window manager runs.
    void Place(QPoint position);
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
    // A drag of the window's own moved it by `travel` since the last report.
    // Counted from where the clock asked to be, it keeps out an offset the
    // window manager added when it placed the window (i3's decoration).
    void DraggedBy(QPoint travel);
    // The user put the window here: through the window manager's move
    // (where the clock's own moves are ignored), or by moving it with the
    // window manager or another program.
    void DraggedTo(QPoint position);
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
    void ShowPicture();
    int PixelAlpha() const;
    void ApplyWindowOpacity();
    void FollowPointer(QMouseEvent* event);
    void EndDrag();
    void NoticeMove();

    std::unique_ptr<FrameUpload> upload_;
    bool toolkitCopyStale_ = false;      // frames went up past Qt's backing store
    const PixelBuffer* shown_ = nullptr; // the last frame, owned by the clock
    QImage blank_;                       // shown before the first frame
    int alpha_ = -1;
    bool composited_ = true;
    bool alphaInPixels_ = false; // the opacity goes into the pixels, not the window
    bool clickThrough_ = false;
    QByteArray outline_;
    QCursor openHand_{Qt::OpenHandCursor};
    QCursor closedHand_{Qt::ClosedHandCursor};
    std::function<QString()> tooltipText_;

    // Pressed: the button is down, the pointer has not moved far yet.
    // Manual: the window follows the pointer by moves of its own. System: the
    // window manager moves it.
    enum class Drag { None, Pressed, Manual, System };
    Drag drag_ = Drag::None;
    QPoint pressOffset_;        // pointer position inside the window at the press
    QPoint pressOrigin_;        // the window's origin at the press, as the server saw it
    QPoint dragTarget_;         // where the last move of the window's own took it
    ManualDrag manual_;         // what the moves of the current drag did
    bool movesIgnored_ = false; // seen in an earlier drag: go to the system move at once

    QPoint requested_;       // where the clock last asked the window to be
    QElapsedTimer placed_;   // since that request, or since the window was shown
    QPoint placementOffset_; // where the window manager put it, from where it was asked
};

} // namespace tikloom
