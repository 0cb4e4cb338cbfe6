#include "render_test_support.h"

#include "clock/core/time_renderer.h"

#include <QDate>
#include <QtMath>
#include <cmath>

namespace tikloom::test {

ThemeModel DefaultThemeModel() {
    ThemeModel theme;
    theme.CenterX = 60.0f;
    theme.CenterY = 60.0f;
    theme.Radius = 48.0f;
    theme.CaptionX = 0.0f;
    theme.CaptionY = 26.0f;
    theme.NumberRadius = 0.82f;
    theme.MajorTickSize = 3.0f;
    theme.MinorTickSize = 1.6f;
    theme.ImageLeft = 8.0f;
    theme.ImageTop = 8.0f;
    theme.ImageWidth = 105.0f;
    theme.ImageHeight = 105.0f;
    theme.SecWidth = 1.0f;
    theme.SecHeadLength = 48.0f;
    theme.SecTailLength = 9.6f;
    theme.MinWidth = 2.0f;
    theme.MinHeadLength = 48.0f;
    theme.MinTailLength = 5.76f;
    theme.HourWidth = 3.0f;
    theme.HourHeadLength = 31.2f;
    theme.HourTailLength = 5.76f;
    theme.ShadowThickness = 1.5f;
    theme.ShadowOffsetX = 0.0f;
    theme.ShadowOffsetY = 1.0f;
    theme.SecColor = 0xFFDD0000u;
    theme.MinColor = 0xFF111111u;
    theme.HourColor = 0xFF444444u;
    theme.CaptionColor = 0xFF444444u;
    theme.TickNumberColor = 0xFF444444u;
    theme.MajorTickColor = 0xFF444444u;
    theme.MinorTickColor = 0xFF444444u;
    theme.BackgroundColor = 0x00FFFFFFu;
    theme.ShadowColor = 0x66000000u;
    theme.CaptionFontName = QStringLiteral("Georgia");
    theme.TickNumbersFontName = QStringLiteral("Georgia");
    theme.CaptionFontSize = 8.0f;
    theme.TickNumbersFontSize = 8.0f;
    theme.ShowSecHand = true;
    theme.ShowMajorTicks = true;
    theme.ShowMinorTicks = true;
    theme.ShowTickNumbers = true;
    theme.ShowCaption = true;
    theme.KeepImageAspectRatio = true;
    theme.ShowSecShadow = true;
    theme.UseMaskImage = true;
    theme.UseOverlayImage = true;
    theme.Format = QStringLiteral("%p");
    theme.MinAlpha = 51;
    theme.MaxAlpha = 178;
    return theme;
}

ThemeModel EmptyThemeModel() {
    ThemeModel theme = DefaultThemeModel();
    theme.SecColor = theme.MinColor = theme.HourColor = 0;
    theme.CaptionColor = theme.TickNumberColor = 0;
    theme.MajorTickColor = theme.MinorTickColor = theme.ShadowColor = 0;
    theme.ShowSecHand = theme.ShowMajorTicks = theme.ShowMinorTicks = false;
    theme.ShowTickNumbers = theme.ShowCaption = theme.ShowSecShadow = false;
    theme.UseMaskImage = theme.UseOverlayImage = false;
    return theme;
}

ClockTime MakeTime(int hour, int minute, int second, int year, int month, int day) {
    ClockTime time;
    time.Year = static_cast<uint16_t>(year);
    time.Month = static_cast<uint16_t>(month);
    time.Day = static_cast<uint16_t>(day);
    time.DayOfWeek = static_cast<uint16_t>(QDate(year, month, day).dayOfWeek() % 7);
    time.Hour = static_cast<uint16_t>(hour);
    time.Minute = static_cast<uint16_t>(minute);
    time.Second = static_cast<uint16_t>(second);
    return time;
}

RenderBench::RenderBench() {
    state.Layout = PortableLayout(folder.path());
    state.Theme = EmptyThemeModel();
    state.Theme.ImageFolders = {state.Layout.ProgramFolder};
    state.Output = &presenter;
    state.CurrentAlpha = 200;
    state.HighQualitySmoothing = true;
    now = MakeTime(10, 8, 30);
    state.LocalTime = [this] { return now; };
}

QString RenderBench::AddImage(const QString& name, const QImage& image) {
    image.save(state.Layout.ProgramFolder + name, "PNG");
    return name;
}

void RenderBench::DrawAt(const ClockTime& time) {
    state.DisplayedTime = time;
    DrawTime(state);
}

uint32_t PixelAt(const PixelBuffer& buffer, int x, int y) {
    return buffer.bits()[y * buffer.side() + x];
}

int AlphaAt(const PixelBuffer& buffer, int x, int y) {
    return static_cast<int>(PixelAt(buffer, x, y) >> 24);
}

bool IsOpaque(const PixelBuffer& buffer, int x, int y, uint32_t rgb) {
    return PixelAt(buffer, x, y) == (0xFF000000u | rgb);
}

namespace {

// Below this opacity the colour bytes are too small to tell colours apart.
constexpr uint32_t kLeastTellableAlpha = 8;

// True when the premultiplied pixel is some opacity of the colour rgb.
bool IsShadeOf(uint32_t pixel, uint32_t rgb) {
    const uint32_t alpha = pixel >> 24;
    if (alpha < kLeastTellableAlpha) {
        return false;
    }
    for (int shift : {16, 8, 0}) {
        const int expected = static_cast<int>(((rgb >> shift) & 0xFF) * alpha / 255);
        const int actual = static_cast<int>((pixel >> shift) & 0xFF);
        if (std::abs(expected - actual) > 2) {
            return false;
        }
    }
    return true;
}

template <typename Accept>
Coverage Measure(const PixelBuffer& buffer, const QRect& region, Accept accept) {
    double sumX = 0;
    double sumY = 0;
    double sum = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            const uint32_t pixel = PixelAt(buffer, x, y);
            if (!accept(pixel)) {
                continue;
            }
            const double weight = (pixel >> 24) / 255.0;
            sumX += weight * (x + 0.5);
            sumY += weight * (y + 0.5);
            sum += weight;
        }
    }
    Coverage result;
    result.area = sum;
    if (sum > 0) {
        result.centroid = QPointF(sumX / sum, sumY / sum);
    }
    return result;
}

} // namespace

Coverage CoverageOf(const PixelBuffer& buffer, const QRect& region) {
    return Measure(buffer, region, [](uint32_t pixel) { return (pixel >> 24) != 0; });
}

Coverage CoverageOfColour(const PixelBuffer& buffer, uint32_t rgb, const QRect& region) {
    return Measure(buffer, region, [rgb](uint32_t pixel) { return IsShadeOf(pixel, rgb); });
}

double ClockwiseDegrees(const QPointF& centre, const QPointF& point) {
    const double degrees =
        qRadiansToDegrees(std::atan2(point.x() - centre.x(), centre.y() - point.y()));
    return degrees < 0 ? degrees + 360.0 : degrees;
}

QImage SolidImage(int width, int height, QRgb argb) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(argb);
    return image;
}

} // namespace tikloom::test
