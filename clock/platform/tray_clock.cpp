#include "clock/platform/tray_clock.h"

#include "clock/core/tooltip_text.h"
#include "clock/core/tray_icon_drawing.h"
#include "clock/core/tray_picture.h"
#include "clock/platform/embedded_tray_icon.h"
#include "clock/platform/status_notifier_tray.h"

#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QToolTip>

namespace tikloom {

namespace {

// Trays of 16 pixels use the classic miniature; a larger tray gets the same
// picture drawn at its own size instead of a blurred enlargement.
constexpr int kLargestTraySize = 256;
constexpr int kLikelyLargeSize = 32;
// A StatusNotifier host scales the icon to its own size: one picture, at the
// usual panel size, is drawn per new second there, where two sizes would
// both be drawn and sent.
constexpr int kStatusNotifierIconSize = 22;
// The pointer rests this long on the icon before its tooltip shows.
constexpr int kTooltipDelayMs = 700;

// The miniature for an icon of that many logical pixels, drawn at the
// device pixels it takes on the tray's screen.
QPixmap Miniature(const ClockTime& time, bool showSecondMark, int size, qreal ratio) {
    const int devicePixels = qRound(size * ratio);
    QPixmap pixmap = QPixmap::fromImage(DrawTrayClock(time, showSecondMark, devicePixels));
    pixmap.setDevicePixelRatio(static_cast<qreal>(devicePixels) / size);
    return pixmap;
}

} // namespace

TrayClock::TrayClock() : embedded_(std::make_unique<EmbeddedTrayIcon>()) {
    connect(embedded_.get(), &EmbeddedTrayIcon::PlaceChanged, this, &TrayClock::DrawEmbedded);
    connect(embedded_.get(), &EmbeddedTrayIcon::DoubleClicked, this, &TrayClock::RestoreRequested);
    connect(embedded_.get(), &EmbeddedTrayIcon::ContextMenuRequested, this, [this] {
        HideTooltip();
        emit MenuRequested(QCursor::pos());
    });
    tooltipDelay_.setSingleShot(true);
    tooltipDelay_.setInterval(kTooltipDelayMs);
    connect(&tooltipDelay_, &QTimer::timeout, this, &TrayClock::ShowTooltip);
    connect(embedded_.get(), &EmbeddedTrayIcon::PointerEntered, &tooltipDelay_,
            qOverload<>(&QTimer::start));
    connect(embedded_.get(), &EmbeddedTrayIcon::PointerLeft, this, &TrayClock::HideTooltip);
}

TrayClock::~TrayClock() = default;

void TrayClock::SetMenu(QMenu* menu) {
    menu_ = menu;
}

bool TrayClock::Refresh(const ClockTime& time, bool showSecondMark) {
    time_ = time;
    showSecondMark_ = showSecondMark;
    // A shown icon stays in its tray until it is removed.
    if (icon_ != nullptr && icon_->isVisible())
        return RefreshQtIcon();
    if (embedded_->Docked()) {
        DrawEmbedded();
        return true;
    }
    if (StatusNotifierTrayRuns() && QtIcon() != nullptr && iconOverDBus_)
        return RefreshQtIcon();
    if (embedded_->Dock()) {
        DrawEmbedded();
        return true;
    }
    return RefreshQtIcon();
}

QSystemTrayIcon* TrayClock::QtIcon() {
    if (icon_ != nullptr)
        return icon_;
    // Qt asks the same question as it makes the icon, and keeps the answer.
    iconOverDBus_ = StatusNotifierTrayRuns();
    icon_ = new QSystemTrayIcon(this);
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) { OnQtActivated(reason); });
    if (iconOverDBus_ && menu_ != nullptr)
        icon_->setContextMenu(menu_);
    return icon_;
}

void TrayClock::OnQtActivated(int reason) {
    if (reason == QSystemTrayIcon::DoubleClick ||
        (iconOverDBus_ && reason == QSystemTrayIcon::Trigger))
        emit RestoreRequested();
    else if (reason == QSystemTrayIcon::Context && !iconOverDBus_)
        emit MenuRequested(QCursor::pos()); // a StatusNotifier tray shows the menu itself
}

void TrayClock::DrawEmbedded() {
    if (!embedded_->Docked())
        return;
    embedded_->Show(DrawTrayClock(time_, showSecondMark_, TrayPictureSide(embedded_->Place())));
    if (tooltipShown_)
        QToolTip::showText(tooltipAt_, TrayTooltipText(time_, QLocale::system()));
}

bool TrayClock::RefreshQtIcon() {
    QtIcon(); // before Qt's first look at the trays below
    // An icon in a tray stays there: Qt moves it to a tray that restarts.
    if (!icon_->isVisible() && !QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    ReadTrayPlace();
    QIcon icon;
    if (iconOverDBus_) {
        icon.addPixmap(Miniature(time_, showSecondMark_, kStatusNotifierIconSize, ratio_));
    } else {
        icon.addPixmap(Miniature(time_, showSecondMark_, kSmallIconSize, ratio_));
        icon.addPixmap(Miniature(time_, showSecondMark_, largeSize_, ratio_));
    }
    icon_->setIcon(icon);
    icon_->setToolTip(TrayTooltipText(time_, QLocale::system()));
    if (!icon_->isVisible())
        icon_->show();
    return true;
}

// The icon's place in the tray is a round trip to the X server; it is read
// when the icon is new and then once a minute, which still follows a tray
// that grows or shrinks.
void TrayClock::ReadTrayPlace() {
    // An icon not yet shown has no place: read again at the next refresh.
    const bool shown = icon_->isVisible();
    if (!sizeFromShownIcon_ || !shown || time_.Minute != sizeMinute_) {
        sizeFromShownIcon_ = shown;
        const QRect place = icon_->geometry();
        const QScreen* screen = QGuiApplication::screenAt(place.center());
        ratio_ = screen != nullptr ? screen->devicePixelRatio() : qApp->devicePixelRatio();
        const QSize traySize = place.size();
        largeSize_ = qMin(traySize.width(), traySize.height());
        if (largeSize_ <= kSmallIconSize || largeSize_ > kLargestTraySize)
            largeSize_ = kLikelyLargeSize;
        sizeMinute_ = time_.Minute;
    }
}

void TrayClock::ShowTooltip() {
    tooltipShown_ = true;
    tooltipAt_ = QCursor::pos();
    QToolTip::showText(tooltipAt_, TrayTooltipText(time_, QLocale::system()));
}

void TrayClock::HideTooltip() {
    tooltipDelay_.stop();
    if (tooltipShown_)
        QToolTip::hideText();
    tooltipShown_ = false;
}

void TrayClock::Remove() {
    HideTooltip();
    embedded_->Remove();
    if (icon_ != nullptr)
        icon_->hide();
}

} // namespace tikloom
