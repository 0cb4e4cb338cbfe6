#include "customizer/helpers/theme_color.h"

#include "customizer/helpers/round_half_up.h"

#include <cstdint>

namespace tikloom {

ThemeColor ParseThemeColor(const QString& text) {
    uint32_t v = 0;
    for (const QChar ch : text) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            break;
        v = v * 10u + static_cast<uint32_t>(ch.unicode() - u'0');
    }
    ThemeColor result;
    result.alpha = static_cast<int>(v >> 24);
    result.rgb = QColor(static_cast<int>((v >> 16) & 0xFFu), static_cast<int>((v >> 8) & 0xFFu),
                        static_cast<int>(v & 0xFFu));
    return result;
}

QString FormatThemeColor(const QColor& rgb, int transparencyPercent) {
    // Computed as T * 255 / 100 so that 50 % lands exactly on 127.5 and rounds up.
    const int a = RoundHalfUp(transparencyPercent * 255.0 / 100.0);
    const uint32_t alpha = static_cast<uint32_t>(255 - a) & 0xFFu;
    const uint32_t v = (alpha << 24) | (static_cast<uint32_t>(rgb.red() & 0xFF) << 16) |
                       (static_cast<uint32_t>(rgb.green() & 0xFF) << 8) |
                       static_cast<uint32_t>(rgb.blue() & 0xFF);
    return QStringLiteral("%1").arg(v, 10, 10, QLatin1Char('0'));
}

int TransparencyFromAlpha(int alpha) {
    return 100 - RoundHalfUp(alpha * 100.0 / 255.0);
}

} // namespace tikloom
