#include "clock/platform/clock_window.h"

#include "clock/core/constant_alpha.h"
#include "clock/core/pixel_buffer.h"
#include "clock/platform/frame_mask.h"
#include "clock/platform/frame_upload.h"
#include "clock/platform/keyboard_input.h"
#include "clock/platform/opacity_in_pixels.h"
#include "clock/platform/taskbar_state.h"
#include "clock/platform/window_manager.h"
#include "clock/platform/window_shape.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>
#include <QToolTip>
#include <QWindow>

namespace tikloom {

namespace {

// Alpha a pixel needs to belong to the outline: any at all while a compositor
// blends the edges; without one, faint edge pixels would show as dark fringes.
constexpr int kComposedOutlineAlpha = 1;
constexpr int kPlainOutlineAlpha = 128;
// A window manager answers a request for a place, or places a window it maps,
// well within this time (a few milliseconds on i3 and sway).
constexpr qint64 kPlacementAnswerMs = 1000;

// Where the server says the window is: the pointer on the screen less the
// pointer in the window. Qt's own idea of the position follows requests the
// window manager may not have carried out.
QPoint ServerOrigin(const QMouseEvent* event) {
    return (event->globalPosition() - event->position()).toPoint();
}

} // namespace

ClockWindow::ClockWindow()
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_AlwaysShowToolTips); // the clock is rarely the active window
    setFixedSize(kClockSize, kClockSize);
    setWindowTitle(QString());
    setCursor(openHand_);
    setFocusPolicy(Qt::StrongFocus);
    blank_ = QImage(kClockSize, kClockSize, QImage::Format_ARGB32_Premultiplied);
    blank_.fill(Qt::transparent);
    winId(); // the native window exists from here on, so opacity and input can be set
    alphaInPixels_ = OpacityInPixels(composited_);
    upload_ = std::make_unique<FrameUpload>(windowHandle());
    windowHandle()->installEventFilter(this);
    connect(windowHandle(), &QWindow::screenChanged, this, &ClockWindow::CheckPixelRatio);
}

ClockWindow::~ClockWindow() = default;

double ClockWindow::PixelRatio() const {
    return windowHandle()->devicePixelRatio();
}

// A screen of another density: the clock is drawn again for it. On X11 Qt
// keeps the native size of a window that changes screens, and so halves or
// doubles its logical size; once that change has arrived (queued after the
// screen's), the window takes its logical size back.
void ClockWindow::CheckPixelRatio() {
    emit PixelRatioChanged(PixelRatio());
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (size() != QSize(kClockSize, kClockSize))
                resize(kClockSize, kClockSize);
        },
        Qt::QueuedConnection);
}

void ClockWindow::Present(const PixelBuffer* frame, int alpha) {
    const bool newAlpha = alpha != alpha_;
    alpha_ = alpha;
    if (frame != nullptr) {
        shown_ = frame; // the clock keeps the frame until it presents the next
        if (OutlineNeeded())
            UpdateOutline(); // from the frame as drawn, whatever its fade
    }
    if (frame != nullptr || (newAlpha && alphaInPixels_))
        ShowPicture();
    if (newAlpha)
        ApplyWindowOpacity();
}

// Straight into the window where it can go; the toolkit's copy of the window
// is brought up to date when it shows it again. Else painted now rather than
// through a posted request: the picture is ready, and a request would wake
// the event loop once more.
void ClockWindow::ShowPicture() {
    if (upload_->Put(Frame(), PixelAlpha()))
        toolkitCopyStale_ = true;
    else
        repaint();
}

// The opacity the pixels carry: the clock's own where they carry it.
int ClockWindow::PixelAlpha() const {
    return alphaInPixels_ && alpha_ >= 0 ? alpha_ : kOpaque;
}

void ClockWindow::ApplyWindowOpacity() {
    const bool solid = alphaInPixels_ || alpha_ < 0;
    windowHandle()->setOpacity(solid ? 1.0 : alpha_ / static_cast<double>(kOpaque));
}

void ClockWindow::SetClickThrough(bool on) {
    clickThrough_ = on;
    if (OutlineNeeded())
        UpdateOutline();
    else
        ForgetOutline();
    windowHandle()->setFlag(Qt::WindowTransparentForInput, on);
    if (on)
        KeepKeyboardInput(windowHandle());
    raise(); // keeps its place above other always-on-top windows
}

void ClockWindow::SetCompositorActive(bool active) {
    if (active == composited_)
        return;
    composited_ = active;
    alphaInPixels_ = OpacityInPixels(active);
    ForgetOutline();
    if (OutlineNeeded())
        UpdateOutline();
    ApplyWindowOpacity();
    update();
}

// A compositor blends the edges by their alpha, so the outline is then only
// the input region, which a click-through window does not have.
bool ClockWindow::OutlineNeeded() const {
    return !composited_ || !clickThrough_;
}

void ClockWindow::ForgetOutline() {
    if (outline_.isEmpty())
        return;
    outline_.clear();
    ClearWindowShape(windowHandle());
}

const QImage& ClockWindow::Frame() const {
    return shown_ != nullptr ? shown_->image() : blank_;
}

void ClockWindow::SetCursors(const QCursor& open, const QCursor& closed) {
    openHand_ = open;
    closedHand_ = closed;
    setCursor(openHand_);
}

void ClockWindow::Place(QPoint position) {
    if (drag_ == Drag::System)
        EndDrag();
    requested_ = position;
    placed_.start();
    move(position);
}

void ClockWindow::UpdateOutline() {
    const int minAlpha = composited_ ? kComposedOutlineAlpha : kPlainOutlineAlpha;
    QByteArray outline = OutlineSignature(Frame(), minAlpha);
    if (outline == outline_)
        return;
    outline_ = std::move(outline);
    // In device pixels, so a denser screen gets a finer outline.
    QRegion region = VisibleRegion(Frame(), minAlpha);
    // An empty shape would take in no clicks at all, and Qt's masks take an
    // empty one for none; keep one pixel.
    if (region.isEmpty())
        region = QRegion(0, 0, 1, 1);
    SetWindowShape(windowHandle(), region);
}

// An exposure shows the toolkit's copy of the window, repainted first when
// frames went up beside it.
bool ClockWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && toolkitCopyStale_) {
        toolkitCopyStale_ = false;
        update();
    }
    return QWidget::eventFilter(watched, event);
}

void ClockWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit CloseRequested();
}

bool ClockWindow::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && tooltipText_) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), tooltipText_(), this);
        return true;
    }
    return QWidget::event(event);
}

void ClockWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // Device pixel for device pixel at the screen's ratio, without a copy of
    // the frame: the frame fills the window's logical square.
    const QImage& frame = Frame();
    const int alpha = PixelAlpha();
    const QImage faded = alpha == kOpaque ? QImage() : FadedCopy(frame, frame.rect(), alpha);
    painter.drawImage(QRectF(0, 0, kClockSize, kClockSize), faded.isNull() ? frame : faded,
                      QRectF(0, 0, frame.width(), frame.height()));
}

void ClockWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setCursor(closedHand_);
        activateWindow(); // the "t" key reaches the clock after a click
        setFocus(Qt::MouseFocusReason);
        drag_ = Drag::Pressed;
        pressOffset_ = event->position().toPoint();
        pressOrigin_ = ServerOrigin(event);
    }
}

void ClockWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        EndDrag();
        return;
    }
    if (drag_ == Drag::Pressed) {
        // The move starts once the pointer really moves, so a double click
        // still reaches the window.
        if ((event->position().toPoint() - pressOffset_).manhattanLength() <
            QApplication::startDragDistance())
            return;
        // The window follows the pointer itself rather than through the window
        // manager's move, which would take it from where the pointer is now
        // and leave it short by the way travelled since the press.
        drag_ = Drag::Manual;
        manual_ = ManualDrag{pressOrigin_};
        dragTarget_ = pressOrigin_;
    }
    if (drag_ == Drag::Manual)
        FollowPointer(event);
}

// A move of the window's own, or, where moves go unanswered, the window
// manager's move from here on (remembered for the drags after this one).
void ClockWindow::FollowPointer(QMouseEvent* event) {
    const QPoint origin = ServerOrigin(event);
    const QPoint target = event->globalPosition().toPoint() - pressOffset_;
    const auto nowMs = static_cast<qint64>(event->timestamp());
    if (movesIgnored_ ||
        NextDragStep(manual_, origin, target, nowMs) == DragStep::HandToWindowManager) {
        if (windowHandle()->startSystemMove()) {
            movesIgnored_ = true;
            drag_ = Drag::System;
            emit DraggedTo(origin); // the moves asked for so far did not happen
            return;
        }
        movesIgnored_ = false; // no window manager's move to give way to
    }
    move(target);
    emit DraggedBy(target - dragTarget_);
    dragTarget_ = target;
}

void ClockWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        EndDrag();
    else if (event->button() == Qt::RightButton)
        emit ContextMenuRequested(event->globalPosition().toPoint());
}

void ClockWindow::EndDrag() {
    drag_ = Drag::None;
    setCursor(openHand_);
}

void ClockWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        EndDrag();
        emit MinimizeRequested();
    }
}

void ClockWindow::keyPressEvent(QKeyEvent* event) {
    if (event->text() == QLatin1String("t"))
        emit TimeModeKeyPressed();
}

void ClockWindow::moveEvent(QMoveEvent*) {
    if (drag_ == Drag::System)
        emit DraggedTo(pos()); // as the window manager's move takes it
    else if (drag_ == Drag::None)
        NoticeMove();
    emit Moved();
}

// A move the clock did not make by dragging. Shortly after the clock asked
// for a place, or after it was shown, it is the window manager's answer: the
// offset it adds (its frame) or the place it imposes is learnt, never taken
// as the user's. Any later move was made by the user, through the window
// manager or another program, and is the user's place, less that offset.
void ClockWindow::NoticeMove() {
    if (placed_.isValid() && placed_.elapsed() < kPlacementAnswerMs && WindowManagerRuns()) {
        placementOffset_ = pos() - requested_;
        return;
    }
    emit DraggedTo(pos() - placementOffset_);
}

// Sent before the window is mapped, except for a show the window system made
// of a window that is mapped already.
void ClockWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        KeepOutOfTaskbar(windowHandle());
        placed_.start(); // the window manager places the window it maps
    }
    QWidget::showEvent(event);
}

} // namespace tikloom
