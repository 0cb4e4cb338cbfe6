#include "customizer/form/form_icons.h"

// Registers customizer_icons.qrc (the macro must be used outside any namespace).
static void InitialiseIconResources() {
    Q_INIT_RESOURCE(customizer_icons);
}

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace tikloom {

namespace {

constexpr int kGlyphSize = 16;

// Body across the lower half, with a margin of one pixel so that no edge is
// cut off at 16 pixels.
const QRectF kPadlockBody(1.5, 8.5, 10.0, 6.0);
constexpr double kShackleTop = 2.0;

// Closed, the shackle stands on the body with both legs in it. Open, it has
// swung to the right: one leg in the body, the other free beside it, so the
// two states differ in outline and not only by a lift of a pixel or two.
QPainterPath Shackle(bool closed) {
    QPainterPath path;
    const double left = closed ? 4.0 : 9.5;
    const double width = closed ? 5.0 : 4.5;
    const double arcBottom = closed ? 5.0 : 4.5;
    const double freeLegEnd = closed ? kPadlockBody.top() : 6.0;
    path.moveTo(left, kPadlockBody.top());
    path.lineTo(left, arcBottom);
    path.arcTo(QRectF(left, kShackleTop, width, 2.0 * (arcBottom - kShackleTop)), 180.0, -180.0);
    path.lineTo(left + width, freeLegEnd);
    return path;
}

QPixmap DrawPadlock(bool closed) {
    QPixmap pixmap(kGlyphSize, kGlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.8, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Shackle(closed));
    // Body with a key hole.
    p.setPen(QPen(QColor(0x80, 0x60, 0x10), 1.0));
    p.setBrush(QColor(0xE8, 0xB8, 0x30));
    p.drawRoundedRect(kPadlockBody, 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x50, 0x38, 0x08));
    const double keyX = kPadlockBody.center().x();
    p.drawEllipse(QRectF(keyX - 1.0, 10.0, 2.0, 2.0));
    p.drawRect(QRectF(keyX - 0.5, 11.5, 1.0, 2.0));
    return pixmap;
}

QPixmap DrawClockFace(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 32.0;
    p.scale(s, s);
    p.setPen(QPen(QColor(0x44, 0x44, 0x44), 2.0));
    p.setBrush(QColor(0xFA, 0xFA, 0xF5));
    p.drawEllipse(QRectF(2.0, 2.0, 28.0, 28.0));
    for (int hour = 0; hour < 12; ++hour) {
        const double angle = hour * M_PI / 6.0;
        const QPointF centre(16.0 + 11.0 * std::sin(angle), 16.0 - 11.0 * std::cos(angle));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x44, 0x44, 0x44));
        p.drawEllipse(centre, hour % 3 == 0 ? 1.4 : 0.8, hour % 3 == 0 ? 1.4 : 0.8);
    }
    p.setPen(QPen(QColor(0x22, 0x22, 0x22), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16.0, 16.0), QPointF(16.0, 8.0));
    p.drawLine(QPointF(16.0, 16.0), QPointF(22.0, 16.0));
    p.setPen(QPen(QColor(0xDD, 0x00, 0x00), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16.0, 16.0), QPointF(10.0, 23.0));
    return pixmap;
}

} // namespace

QIcon PadlockIcon() {
    QIcon icon;
    icon.addPixmap(DrawPadlock(false), QIcon::Normal, QIcon::Off);
    icon.addPixmap(DrawPadlock(true), QIcon::Normal, QIcon::On);
    return icon;
}

QIcon ApplicationIcon() {
    // The resources live in a static library: make sure they are registered.
    InitialiseIconResources();
    QIcon icon;
    for (const int size : {16, 32, 48, 256}) {
        const QString picture = QStringLiteral(":/customizer/tikloom-%1.png").arg(size);
        if (QFile::exists(picture))
            icon.addFile(picture, QSize(size, size));
        else // drawn when the shipped pictures are missing
            icon.addPixmap(DrawClockFace(size));
    }
    return icon;
}

} // namespace tikloom
