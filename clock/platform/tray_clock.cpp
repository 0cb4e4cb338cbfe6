#include "clock/platform/tray_clock.h"

#include "clock/core/tooltip_text.h"
#include "clock/core/tray_icon_drawing.h"

#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QSystemTrayIcon>

namespace tikloom {

namespace {

// Trays of 16 pixels use the classic miniature; a larger tray gets the same
// picture drawn at its own size instead of a blurred enlargement.
constexpr int kLargestTraySize = 256;
constexpr int kLikelyLargeSize = 32;

// The miniature for an icon of that many logical pixels, drawn at the
// device pixels it takes on the tray's screen.
QPixmap Miniature(const ClockTime& time, bool showSecondMark, int size, qreal ratio) {
    const int devicePixels = qRound(size * ratio);
    QPixmap pixmap = QPixmap::fromImage(DrawTrayClock(time, showSecondMark, devicePixels));
    pixmap.setDevicePixelRatio(static_cast<qreal>(devicePixels) / size);
    return pixmap;
}

} // namespace

TrayClock::TrayClock() : icon_(new QSystemTrayIcon(this)) {
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick)
                    emit RestoreRequested();
                else if (reason == QSystemTrayIcon::Context)
                    emit MenuRequested(QCursor::pos());
            });
}

bool TrayClock::Refresh(const ClockTime& time, bool showSecondMark) {
    // An icon in a tray stays there: Qt moves it to a tray that restarts.
    if (!icon_->isVisible() && !QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    ReadTrayPlace(time);
    QIcon icon;
    icon.addPixmap(Miniature(time, showSecondMark, kSmallIconSize, ratio_));
    icon.addPixmap(Miniature(time, showSecondMark, largeSize_, ratio_));
    icon_->setIcon(icon);
    icon_->setToolTip(TrayTooltipText(time, QLocale::system()));
    if (!icon_->isVisible())
        icon_->show();
    return true;
}

// The icon's place in the tray is a round trip to the X server; it is read
// when the icon is new and then once a minute, which still follows a tray
// that grows or shrinks.
void TrayClock::ReadTrayPlace(const ClockTime& time) {
    // An icon not yet shown has no place: read again at the next refresh.
    const bool shown = icon_->isVisible();
    if (!sizeFromShownIcon_ || !shown || time.Minute != sizeMinute_) {
        sizeFromShownIcon_ = shown;
        const QRect place = icon_->geometry();
        const QScreen* screen = QGuiApplication::screenAt(place.center());
        ratio_ = screen != nullptr ? screen->devicePixelRatio() : qApp->devicePixelRatio();
        const QSize traySize = place.size();
        largeSize_ = qMin(traySize.width(), traySize.height());
        if (largeSize_ <= kSmallIconSize || largeSize_ > kLargestTraySize)
            largeSize_ = kLikelyLargeSize;
        sizeMinute_ = time.Minute;
    }
}

void TrayClock::Remove() {
    icon_->hide();
}

} // namespace tikloom
