// Linen: a woven cream face in a rounded walnut frame, serif numbers, no
// second hand (the clock then redraws every ten seconds) and the weekday
// with the day of the month as its caption.

#include "canvas.h"
#include "dial_parts.h"
#include "themes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <random>

namespace tikloom {

namespace {

constexpr int kBoxSize = 105;
const QPointF kCentre(60.0, 60.0);

// The face is a rounded square around the dial centre; the frame covers
// the mask's edge.
constexpr double kFaceHalf = 50.0;
constexpr double kCorner = 17.0;
constexpr double kFrame = 3.4;

QPainterPath roundedSquare(double half, double corner) {
    QPainterPath path;
    path.addRoundedRect(QRectF(kCentre.x() - half, kCentre.y() - half, 2 * half, 2 * half), corner,
                        corner);
    return path;
}

QImage background() {
    return paintSupersampled(QSize(kBoxSize, kBoxSize), [](QPainter& painter) {
        QLinearGradient light(0, 0, kBoxSize, kBoxSize);
        light.setColorAt(0.0, argb(0xFFF6EFE2));
        light.setColorAt(1.0, argb(0xFFE6DAC4));
        painter.fillRect(QRectF(0, 0, kBoxSize, kBoxSize), light);

        // Threads of slightly varying shade each way, from a fixed seed so
        // that every run draws the same cloth.
        std::mt19937 threads(1931);
        painter.setBrush(Qt::NoBrush);
        for (int pass = 0; pass < 2; ++pass) {
            for (double at = 0.25; at < kBoxSize; at += 0.5) {
                const double shade = static_cast<double>(threads() % 1000) / 1000.0;
                const QColor colour = shade < 0.5 ? withAlpha(argb(0xFF6B5535), 0.07 * shade)
                                                  : withAlpha(Qt::white, 0.12 * (shade - 0.5));
                painter.setPen(QPen(colour, 0.35));
                if (pass == 0) {
                    painter.drawLine(QPointF(0, at), QPointF(kBoxSize, at));
                } else {
                    painter.drawLine(QPointF(at, 0), QPointF(at, kBoxSize));
                }
            }
        }
    });
}

QImage mask() {
    return paintMask(QSize(kWindowSize, kWindowSize), [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, kWindowSize, kWindowSize), Qt::black);
        painter.setBrush(Qt::white);
        painter.drawPath(roundedSquare(kFaceHalf, kCorner));
    });
}

QImage overlay() {
    return paintSupersampled(QSize(kWindowSize, kWindowSize), [](QPainter& painter) {
        const double outer = kFaceHalf + kFrame - 1.2;
        const QPainterPath frame = roundedSquare(outer, kCorner + 2.0)
                                       .subtracted(roundedSquare(kFaceHalf - 1.2, kCorner - 1.0));

        // Soft shadow: the frame's outline, blurred, a little below, kept
        // outside the frame.
        QImage shadow = paintSupersampled(QSize(kWindowSize, kWindowSize), [&](QPainter& p) {
            p.setBrush(withAlpha(Qt::black, 0.55));
            p.drawPath(roundedSquare(outer, kCorner + 2.0).translated(0, 1.6));
        });
        shadow = blurred(shadow, 1);
        {
            QPainter cut(&shadow);
            cut.scale(imageDensity(), imageDensity()); // the shadow's pixels to units
            cut.setRenderHint(QPainter::Antialiasing);
            cut.setCompositionMode(QPainter::CompositionMode_DestinationOut);
            cut.setPen(Qt::NoPen);
            cut.setBrush(Qt::black);
            cut.drawPath(roundedSquare(outer - 0.5, kCorner + 1.5));
        }
        painter.drawImage(QRectF(0, 0, kWindowSize, kWindowSize), shadow);

        // Shade cast by the frame onto the cloth.
        QPainterPath inner = roundedSquare(kFaceHalf - 1.0, kCorner - 1.0);
        painter.setBrush(withAlpha(Qt::black, 0.10));
        painter.drawPath(inner.subtracted(inner.translated(0.4, 1.4)));

        QLinearGradient walnut(0, kCentre.y() - outer, 0, kCentre.y() + outer);
        walnut.setColorAt(0.0, argb(0xFF9A7858));
        walnut.setColorAt(0.5, argb(0xFF6E5038));
        walnut.setColorAt(1.0, argb(0xFF47321F));
        painter.setBrush(walnut);
        painter.drawPath(frame);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(withAlpha(Qt::white, 0.25), 0.5));
        painter.drawPath(roundedSquare(outer - 0.4, kCorner + 1.6));
        painter.setPen(QPen(withAlpha(Qt::black, 0.5), 0.5));
        painter.drawPath(roundedSquare(outer, kCorner + 2.0));
        painter.setPen(Qt::NoPen);
    });
}

} // namespace

ShippedTheme linenTheme() {
    ShippedTheme theme;
    theme.name = QStringLiteral("linen");
    theme.overrides = {
        {"Radius", "440"},
        {"CaptionY", "215"},
        {"NumberRadius", "79"},
        {"MajorTickSize", "26"},
        {"MinorTickSize", "12"},
        {"MinWidth", "22"},
        {"MinHeadLength", "98"},
        {"MinTailLength", "10"},
        {"HourWidth", "34"},
        {"HourHeadLength", "62"},
        {"HourTailLength", "10"},
        {"ShadowThickness", "5"},
        {"ShadowOffsetX", "6"},
        {"ShadowOffsetY", "10"},
        {"MinColor", colourValue(0xFF1F2E45)},
        {"HourColor", colourValue(0xFF1F2E45)},
        {"CaptionColor", colourValue(0xFF7A5E44)},
        {"TickNumberColor", colourValue(0xFF3A2C20)},
        {"MajorTickColor", colourValue(0xFF5A4634)},
        {"MinorTickColor", colourValue(0xFF9A8566)},
        {"ShadowColor", colourValue(0x48301E0C)},
        {"CaptionFontName", "DejaVu Serif"},
        {"TickNumbersFontName", "DejaVu Serif"},
        {"CaptionFontSize", "65"},
        {"TickNumbersFontSize", "85"},
        {"ShowSecHand", "0"},
        {"ShowMinShadow", "1"},
        {"ShowHourShadow", "1"},
        {"Format", "%a %#d"},
        {"Max", "75"},
    };
    theme.background = background();
    theme.mask = mask();
    theme.overlay = overlay();
    return theme;
}

} // namespace tikloom
