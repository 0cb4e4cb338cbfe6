#include "clock/platform/program_icon.h"

#include "clock/core/clock_time.h"
#include "clock/core/tray_icon_drawing.h"

#include <QFile>
#include <QPixmap>

namespace tikloom {

namespace {

constexpr int kCursorHotSpot = 15;

// Ten past ten: the classic pose of a clock's picture.
ClockTime IconPose() {
    ClockTime pose;
    pose.Hour = 10;
    pose.Minute = 10;
    pose.Second = 30;
    return pose;
}

QCursor CursorFrom(const QString& resource, Qt::CursorShape fallback) {
    if (!QFile::exists(resource))
        return QCursor(fallback);
    return QCursor(QPixmap(resource), kCursorHotSpot, kCursorHotSpot);
}

} // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 256}) {
        const QString resource = QStringLiteral(":/icons/tikloom-%1.png").arg(size);
        if (QFile::exists(resource))
            icon.addFile(resource, QSize(size, size));
        else // drawn when the packaged pictures are missing
            icon.addPixmap(QPixmap::fromImage(DrawTrayClock(IconPose(), true, size)));
    }
    return icon;
}

QCursor OpenHandCursor() {
    return CursorFrom(QStringLiteral(":/icons/hand-open.png"), Qt::OpenHandCursor);
}

QCursor ClosedHandCursor() {
    return CursorFrom(QStringLiteral(":/icons/hand-closed.png"), Qt::ClosedHandCursor);
}

} // namespace tikloom
