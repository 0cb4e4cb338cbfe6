#include "preview.h"

#include "dial_parts.h"

#include <QFontDatabase>
#include <QPainter>
#include <cmath>

namespace tikloom {

namespace {

struct Values {
    QList<ThemeKey> keys;
    double number(const char* key) const { return keyValue(keys, key).toDouble(); }
    double pixels(const char* key) const { return number(key) / 10.0; }
    bool flag(const char* key) const { return number(key) != 0.0; }
    QColor colour(const char* key) const { return QColor::fromRgba(keyValue(keys, key).toUInt()); }
};

QFont makeFont(const QString& family, double tenthsOfPoint) {
    QFont font(QFontDatabase::hasFamily(family) ? family : QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(tenthsOfPoint / 10.0);
    return font;
}

void drawCentred(QPainter& painter, const QString& text, QPointF at) {
    painter.drawText(QRectF(at.x() - 100, at.y() - 100, 200, 200), Qt::AlignCenter, text);
}

void applyMask(QImage& face, const QImage& mask) {
    for (int y = 0; y < kWindowSize; ++y) {
        for (int x = 0; x < kWindowSize; ++x) {
            const QRgb pixel = face.pixel(x, y);
            const int alpha = qRed(mask.pixel(x, y));
            face.setPixel(x, y,
                          qRgba(qRed(pixel) * alpha / 255, qGreen(pixel) * alpha / 255,
                                qBlue(pixel) * alpha / 255, alpha));
        }
    }
}

QImage newBuffer() {
    QImage buffer(kWindowSize, kWindowSize, QImage::Format_ARGB32_Premultiplied);
    buffer.fill(0);
    buffer.setDotsPerMeterX(3780); // 96 dots per inch
    buffer.setDotsPerMeterY(3780);
    return buffer;
}

void drawFace(QImage& face, const ShippedTheme& theme, const Values& v) {
    QImage maskBuffer = newBuffer();
    {
        QPainter painter(&maskBuffer);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(0, 0, kWindowSize, kWindowSize), theme.mask);
    }
    QPainter painter(&face);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QRectF box(v.pixels("ImageLeft"), v.pixels("ImageTop"), v.pixels("ImageWidth"),
               v.pixels("ImageHeight"));
    if (v.flag("KeepImageAspectRatio") && !theme.background.isNull()) {
        const double iw = theme.background.width();
        const double ih = theme.background.height();
        if (box.height() / box.width() - ih / iw < 0) {
            const double h = box.width() * ih / iw;
            box = QRectF(box.left(), box.top() - (h - box.height()) / 2, box.width(), h);
        } else {
            const double w = box.height() * iw / ih;
            box = QRectF(box.left() - (w - box.width()) / 2, box.top(), w, box.height());
        }
    }
    painter.drawImage(box, theme.background);
    painter.fillRect(QRectF(0, 0, kWindowSize, kWindowSize), v.colour("BackgroundColor"));
    painter.end();
    if (v.flag("UseMaskImage")) {
        applyMask(face, maskBuffer);
    }
    painter.begin(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (v.flag("UseOverlayImage")) {
        painter.drawImage(QRectF(0, 0, kWindowSize, kWindowSize), theme.overlay);
    }
    painter.translate(v.pixels("CenterX"), v.pixels("CenterY"));
    painter.setPen(Qt::NoPen);
    painter.setFont(
        makeFont(keyValue(v.keys, "TickNumbersFontName"), v.number("TickNumbersFontSize")));
    const double radius = v.pixels("Radius");
    const QPointF shadowOffset(v.pixels("ShadowOffsetX"), v.pixels("ShadowOffsetY"));
    for (int i = 1; i <= 60; ++i) {
        const double angle = i * M_PI / 30.0;
        const QPointF at(std::sin(angle) * radius, -std::cos(angle) * radius);
        const bool major = i % 5 == 0;
        const char* prefix = major ? "Major" : "Minor";
        if (major ? v.flag("ShowMajorTicks") : v.flag("ShowMinorTicks")) {
            const double size = v.pixels(major ? "MajorTickSize" : "MinorTickSize");
            if (v.flag(QStringLiteral("Show%1TickShadow").arg(prefix).toLatin1())) {
                const double l = size + v.pixels("ShadowThickness");
                painter.setBrush(v.colour("ShadowColor"));
                painter.drawEllipse(at + shadowOffset / 2, l / 2, l / 2);
            }
            painter.setBrush(v.colour(QStringLiteral("%1TickColor").arg(prefix).toLatin1()));
            painter.drawEllipse(at, size / 2, size / 2);
        }
        if (major && v.flag("ShowTickNumbers")) {
            painter.setPen(v.colour("TickNumberColor"));
            drawCentred(painter, QString::number(i / 5), at * v.number("NumberRadius") / 100);
            painter.setPen(Qt::NoPen);
        }
    }
}

void drawLine(QPainter& painter, const QColor& colour, double width, QPointF from, QPointF to) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(from, to);
}

void drawHands(QPainter& painter, const ShippedTheme& theme, const Values& v, QTime time) {
    const double hourAngle = (time.hour() + time.minute() / 60.0) * M_PI / 6;
    const double minuteAngle = (time.minute() + time.second() / 60.0) * M_PI / 30;
    const double secondAngle = time.second() * M_PI / 30;
    const double r = v.pixels("Radius");
    const bool seconds = v.flag("ShowSecHand");
    if (v.flag("UseHandsImage")) {
        const double f = v.number("SecHeadLength") / 100 * r;
        const double w = theme.hands.width() / 3.0;
        const double h = theme.hands.height();
        const double angles[] = {hourAngle, minuteAngle, secondAngle};
        for (int strip = 0; strip < (seconds ? 3 : 2); ++strip) {
            painter.save();
            painter.rotate(angles[strip] * 180 / M_PI);
            painter.drawImage(QRectF(-f / 4, -f, f / 2, 1.5 * f), theme.hands,
                              QRectF(strip * w, 0, w, h));
            painter.restore();
        }
        return;
    }
    const QPointF o(v.pixels("ShadowOffsetX"), v.pixels("ShadowOffsetY"));
    const QColor shadow = v.colour("ShadowColor");
    const double thick = v.pixels("ShadowThickness");
    auto unit = [](double angle) { return QPointF(std::sin(angle), -std::cos(angle)); };
    struct LineHand {
        const char* name;
        double angle;
    };
    const LineHand lineHands[] = {{"Hour", hourAngle}, {"Min", minuteAngle}};
    for (const LineHand& hand : lineHands) {
        const QString n = QString::fromLatin1(hand.name);
        const QPointF u = unit(hand.angle);
        const double head = v.number((n + "HeadLength").toLatin1()) / 100 * r;
        const double tail = v.number((n + "TailLength").toLatin1()) / 100 * r;
        const double width = v.pixels((n + "Width").toLatin1());
        if (v.flag(("Show" + n + "Shadow").toLatin1())) {
            drawLine(painter, shadow, width + thick, o + head * u, o - tail * u);
        }
        drawLine(painter, v.colour((n + "Color").toLatin1()), width, head * u, -tail * u);
    }
    if (!seconds) {
        return;
    }
    const QPointF u = unit(secondAngle);
    const double head = v.number("SecHeadLength") / 100 * r;
    const double tail = v.number("SecTailLength") / 100 * r;
    const double width = v.pixels("SecWidth");
    if (v.flag("ShowSecShadow")) {
        drawLine(painter, shadow, width + thick - 0.5, o + head * u, o - tail * u);
        drawLine(painter, shadow, 2.5 * width + thick - 0.5, o - tail / 1.5 * u, o - tail * u);
    }
    const QColor colour = v.colour("SecColor");
    drawLine(painter, colour, width, head * u, -tail * u);
    drawLine(painter, colour, 2.5 * width, -tail / 1.5 * u, -tail * u);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(0, 0), 1.8 * width, 1.8 * width);
}

} // namespace

QImage previewFrame(const ShippedTheme& theme, QTime time, const QString& caption) {
    const Values v{themeKeys(theme)};
    QImage frame = newBuffer();
    drawFace(frame, theme, v);
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(v.pixels("CenterX"), v.pixels("CenterY"));
    if (v.flag("ShowCaption") && !caption.isEmpty()) {
        painter.setFont(makeFont(keyValue(v.keys, "CaptionFontName"), v.number("CaptionFontSize")));
        painter.setPen(v.colour("CaptionColor"));
        drawCentred(painter, caption, QPointF(v.pixels("CaptionX"), v.pixels("CaptionY")));
    }
    drawHands(painter, theme, v, time);
    return frame;
}

} // namespace tikloom
