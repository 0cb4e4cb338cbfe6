// Harbor: a deep blue dial in a steel bezel, white hands with shadows, an
// amber second hand and the date over the time as a two-line caption.

#include "canvas.h"
#include "dial_parts.h"
#include "themes.h"

#include <QPainter>
#include <QRadialGradient>

namespace tikloom {

namespace {

constexpr int kBoxSize = 105;
constexpr double kBoxLeft = 8.0;
const RoundDial kDial;

QImage background() {
    return paintSupersampled(QSize(kBoxSize, kBoxSize), [](QPainter& painter) {
        const QPointF centre = kDial.centre - QPointF(kBoxLeft, kBoxLeft);
        QRadialGradient face(centre, 58.0, centre - QPointF(0, 20));
        face.setColorAt(0.0, argb(0xFF2F6A9E));
        face.setColorAt(0.55, argb(0xFF1F4E7A));
        face.setColorAt(1.0, argb(0xFF10304F));
        painter.fillRect(QRectF(0, 0, kBoxSize, kBoxSize), face);

        // A minute track: two hairlines framing the tick dots.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(withAlpha(argb(0xFFBFD3E6), 0.35), 0.5));
        painter.drawEllipse(centre, 46.2, 46.2);
        painter.drawEllipse(centre, 49.8, 49.8);
    });
}

QImage overlay() {
    return paintSupersampled(QSize(kWindowSize, kWindowSize), [](QPainter& painter) {
        paintDropShadow(painter, kDial, 0.42);
        paintInnerShade(painter, kDial, 0.35);
        paintGlassHighlight(painter, kDial, 0.18);
        paintBezel(painter, kDial, argb(0xFFF0F2F4), argb(0xFF6C737B));
    });
}

} // namespace

ShippedTheme harborTheme() {
    ShippedTheme theme;
    theme.name = QStringLiteral("harbor");
    theme.overrides = {
        {"CaptionY", "185"},
        {"NumberRadius", "80"},
        {"MajorTickSize", "28"},
        {"MinorTickSize", "12"},
        {"SecHeadLength", "96"},
        {"MinHeadLength", "94"},
        {"HourHeadLength", "62"},
        {"ShadowThickness", "10"},
        {"ShadowOffsetX", "4"},
        {"ShadowOffsetY", "12"},
        {"SecColor", colourValue(0xFFFFB020)},
        {"MinColor", colourValue(0xFFF4F7FA)},
        {"HourColor", colourValue(0xFFF4F7FA)},
        {"CaptionColor", colourValue(0xFFC9DAEA)},
        {"TickNumberColor", colourValue(0xFFF4F7FA)},
        {"MajorTickColor", colourValue(0xFFF4F7FA)},
        {"MinorTickColor", colourValue(0xFF9DB7D0)},
        {"ShadowColor", colourValue(0x70000814)},
        {"CaptionFontName", "DejaVu Sans"},
        {"TickNumbersFontName", "DejaVu Sans"},
        {"CaptionFontSize", "55"},
        {"TickNumbersFontSize", "75"},
        {"ShowMinShadow", "1"},
        {"ShowHourShadow", "1"},
        // Day/month/year over a 24-hour time: both lines stay short.
        {"Language", "english-uk"},
        {"Format", "%x\\n%X"},
        {"Max", "80"},
    };
    theme.background = background();
    theme.mask = roundMask(kDial);
    theme.overlay = overlay();
    return theme;
}

} // namespace tikloom
