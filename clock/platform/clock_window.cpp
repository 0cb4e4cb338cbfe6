#include "clock/platform/clock_window.h"

#include "clock/core/pixel_buffer.h"
#include "clock/platform/frame_mask.h"
#include "clock/platform/frame_upload.h"
#include "clock/platform/keyboard_input.h"
#include "clock/platform/taskbar_state.h"
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

constexpr double kOpaqueAlpha = 255.0;
// Alpha a pixel needs to belong to the outline: any at all while a compositor
// blends the edges; without one, faint edge pixels would show as dark fringes.
constexpr int kComposedOutlineAlpha = 1;
constexpr int kPlainOutlineAlpha = 128;

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
    if (frame != nullptr) {
        shown_ = frame; // the clock keeps the frame until it presents the next
        if (OutlineNeeded())
            UpdateOutline();
        // Straight into the window where it can go; the toolkit's copy of
        // the window is brought up to date when it shows it again. Else
        // painted now rather than through a posted request: the frame is
        // ready, and a request would wake the event loop once more.
        if (upload_->Put(Frame()))
            toolkitCopyStale_ = true;
        else
            repaint();
    }
    if (alpha != alpha_) {
        alpha_ = alpha;
        windowHandle()->setOpacity(alpha / kOpaqueAlpha);
    }
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
    ForgetOutline();
    if (OutlineNeeded())
        UpdateOutline();
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
    painter.drawImage(QRectF(0, 0, kClockSize, kClockSize), frame,
                      QRectF(0, 0, frame.width(), frame.height()));
}

void ClockWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setCursor(closedHand_);
        activateWindow(); // the "t" key reaches the clock after a click
        setFocus(Qt::MouseFocusReason);
        drag_ = Drag::Pressed;
        pressOffset_ = event->position().toPoint();
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
    }
    if (drag_ == Drag::Manual)
        move(event->globalPosition().toPoint() - pressOffset_);
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
    emit Moved();
}

// Sent before the window is mapped, except for a show the window system made
// of a window that is mapped already.
void ClockWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        KeepOutOfTaskbar(windowHandle());
    QWidget::showEvent(event);
}

} // namespace tikloom
