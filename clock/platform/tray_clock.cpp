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
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(DrawTrayClock(time, showSecondMark, kSmallIconSize)));
    const QSize traySize = icon_->geometry().size();
    int large = qMin(traySize.width(), traySize.height());
    if (large <= kSmallIconSize || large > kLargestTraySize)
        large = kLikelyLargeSize;
    icon.addPixmap(QPixmap::fromImage(DrawTrayClock(time, showSecondMark, large)));
    icon_->setIcon(icon);
    icon_->setToolTip(TrayTooltipText(time, QLocale::system()));
    if (!icon_->isVisible())
        icon_->show();
    return true;
}

void TrayClock::Remove() {
    icon_->hide();
}

} // namespace tikloom
