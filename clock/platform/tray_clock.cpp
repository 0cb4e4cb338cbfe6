#include "clock/platform/tray_clock.h"

#include "clock/core/tooltip_text.h"
#include "clock/core/tray_icon_drawing.h"

#include <QCursor>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QSystemTrayIcon>

namespace tikloom {

namespace {

// Trays of 16 pixels use the classic miniature; a larger tray gets the same
// picture drawn at its own size instead of a blurred enlargement.
constexpr int kLargestTraySize = 256;
constexpr int kLikelyLargeSize = 32;

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
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(DrawTrayClock(time, showSecondMark, kSmallIconSize)));
    icon.addPixmap(QPixmap::fromImage(DrawTrayClock(time, showSecondMark, LargeIconSize(time))));
    icon_->setIcon(icon);
    icon_->setToolTip(TrayTooltipText(time, QLocale::system()));
    if (!icon_->isVisible())
        icon_->show();
    return true;
}

// The icon's place in the tray is a round trip to the X server; it is read
// when the icon is new and then once a minute, which still follows a tray
// that grows or shrinks.
int TrayClock::LargeIconSize(const ClockTime& time) {
    // An icon not yet shown has no place: read again at the next refresh.
    const bool shown = icon_->isVisible();
    if (!sizeFromShownIcon_ || !shown || time.Minute != sizeMinute_) {
        sizeFromShownIcon_ = shown;
        const QSize traySize = icon_->geometry().size();
        largeSize_ = qMin(traySize.width(), traySize.height());
        if (largeSize_ <= kSmallIconSize || largeSize_ > kLargestTraySize)
            largeSize_ = kLikelyLargeSize;
        sizeMinute_ = time.Minute;
    }
    return largeSize_;
}

void TrayClock::Remove() {
    icon_->hide();
}

} // namespace tikloom
