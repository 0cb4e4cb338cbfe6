#include "clock/core/tray_icon_drawing.h"

#include "clock/core/flat_line.h"

#include <QPainter>
#include <QPen>
#include <cmath>

namespace tikloom {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr float kClassicRadius = 7.5F;

constexpr QRgb kDialFill = 0xF7FFFFFF;
constexpr QRgb kRimColour = 0xFF222222;
constexpr QRgb kHourColour = 0xFF222288;
constexpr QRgb kMinuteColour = 0xDD000000;
constexpr QRgb kSecondColour = 0xFFFF0000;

constexpr double kRimWidth = 1.0;
constexpr double kHourWidth = 1.6;
constexpr double kMinuteWidth = 1.0;
constexpr double kSecondWidth = 2.0;
constexpr double kHourLength = 0.5;   // of the radius
constexpr float kMinuteLength = 0.9F; // of the radius
constexpr float kMarkInside = 1.5F;   // pixels inside the rim
constexpr float kMarkOutside = 0.5F;  // pixels beyond it

QPen Pen(QRgb colour, double width) {
    QPen pen(QColor::fromRgba(colour), width);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void DrawDial(QPainter& painter, float r, double scale) {
    const QRectF dial(-r, -r, 2 * r, 2 * r);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(kDialFill));
    painter.drawEllipse(dial);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Pen(kRimColour, kRimWidth * scale));
    painter.drawEllipse(dial);
}

// The hands and the mark are drawn without a painter: this runs every second.
void DrawHands(QImage& icon, QPointF centre, const ClockTime& time, float r, double scale) {
    const double hourAngle = (time.Minute / 60.0 + time.Hour) / 6.0 * kPi;
    DrawFlatLine(icon, centre,
                 centre + QPointF(std::sin(hourAngle) * r * kHourLength,
                                  -std::cos(hourAngle) * r * kHourLength),
                 kHourWidth * scale, kHourColour);

    const double minuteAngle = (time.Second / 60.0 + time.Minute) / 30.0 * kPi;
    DrawFlatLine(icon, centre,
                 centre + QPointF(std::sin(minuteAngle) * r * kMinuteLength,
                                  -std::cos(minuteAngle) * r * kMinuteLength),
                 kMinuteWidth * scale, kMinuteColour);
}

void DrawSecondMark(QImage& icon, QPointF centre, const ClockTime& time, float r, float scale) {
    const float angle = static_cast<float>(time.Second) / 30.0F * static_cast<float>(kPi);
    const float inner = r - kMarkInside * scale;
    const float outer = r + kMarkOutside * scale;
    DrawFlatLine(icon, centre + QPointF(std::sin(angle) * inner, -std::cos(angle) * inner),
                 centre + QPointF(std::sin(angle) * outer, -std::cos(angle) * outer),
                 kSecondWidth * scale, kSecondColour);
}

// The dial's centre is the icon's centre: half a pixel past the centre of
// pixel (size - 1) / 2, as the painter counts from pixel edges.
QPointF Centre(float r) {
    return QPointF(0.5, 0.5) + QPointF(r, r);
}

// The dial never changes, so it is drawn once per icon size: filling its
// disc anew every second would also start the painter's helper threads.
const QImage& Dial(int size) {
    static QImage small;
    static QImage large;
    QImage& dial = size == kSmallIconSize ? small : large;
    if (dial.width() != size) {
        dial = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
        dial.fill(Qt::transparent);
        const float r = TrayClockRadius(size);
        QPainter painter(&dial);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(Centre(r));
        DrawDial(painter, r, r / kClassicRadius);
    }
    return dial;
}

} // namespace

float TrayClockRadius(int size) {
    return (static_cast<float>(size) - 1) * 0.5F;
}

QImage DrawTrayClock(const ClockTime& time, bool showSecondMark, int size) {
    QImage icon = Dial(size).copy();
    const float r = TrayClockRadius(size);
    const float scale = r / kClassicRadius;

    DrawHands(icon, Centre(r), time, r, scale);
    if (showSecondMark)
        DrawSecondMark(icon, Centre(r), time, r, scale);
    return icon;
}

} // namespace tikloom
