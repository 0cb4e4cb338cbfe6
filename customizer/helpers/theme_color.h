#pragma once
// Colours of a theme file: one unsigned 32-bit number 0xAARRGGBB written in
// decimal. The editor shows it as an opaque swatch colour plus a transparency
// percentage (0 = opaque, 100 = invisible).

#include <QColor>
#include <QString>

namespace tikloom {

struct ThemeColor {
    QColor rgb;    // opaque red, green and blue
    int alpha = 0; // 0 transparent .. 255 opaque
};

// Reads decimal digits from the start of text (wrapping modulo 2^32) up to the
// first other character; an empty text gives black with alpha 0.
ThemeColor ParseThemeColor(const QString& text);

// The text to store: ten decimal digits with leading zeros.
QString FormatThemeColor(const QColor& rgb, int transparencyPercent);

// Transparency shown for an alpha: 100 - RoundHalfUp(alpha * 100 / 255).
int TransparencyFromAlpha(int alpha);

} // namespace tikloom
