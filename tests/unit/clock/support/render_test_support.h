#pragma once
// Shared pieces of the rendering tests: a theme with the documented defaults,
// a clock state that draws into memory at a fixed time, and pixel measures.

#include "clock/core/app_state.h"
#include "clock/core/memory_presenter.h"
#include "clock/core/pixel_buffer.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>

namespace tikloom::test {

// The model a theme file without any keys gives, except that no image is
// named (tests add the images they need).
ThemeModel DefaultThemeModel();

// A theme that draws nothing at all: every colour transparent, every part off.
// Tests switch on what they look at.
ThemeModel EmptyThemeModel();

ClockTime MakeTime(int hour, int minute, int second, int year = 2026, int month = 3, int day = 14);

// A clock state over a temporary program folder, drawing into a
// MemoryPresenter, with the local time fixed.
struct RenderBench {
    RenderBench();
    QTemporaryDir folder;
    AppState state;
    MemoryPresenter presenter;
    ClockTime now;

    // Saves image as name (PNG) in the program folder; returns the stored path.
    QString AddImage(const QString& name, const QImage& image);
    // Sets the time shown and draws one frame.
    void DrawAt(const ClockTime& time);
};

// The raw premultiplied pixel at (x, y).
uint32_t PixelAt(const PixelBuffer& buffer, int x, int y);
int AlphaAt(const PixelBuffer& buffer, int x, int y);
// True when the pixel is exactly the opaque colour rgb (0xRRGGBB).
bool IsOpaque(const PixelBuffer& buffer, int x, int y, uint32_t rgb);

// Alpha-weighted mean position (pixel centres) of the pixels whose alpha is
// above zero, and the covered area in pixels (sum of alpha / 255).
struct Coverage {
    QPointF centroid;
    double area = 0;
};
Coverage CoverageOf(const PixelBuffer& buffer, const QRect& region = QRect(0, 0, 128, 128));
// The same for the pixels of one colour (premultiplied colour bytes follow
// the alpha), so that several coloured parts can be told apart.
Coverage CoverageOfColour(const PixelBuffer& buffer, uint32_t rgb,
                          const QRect& region = QRect(0, 0, 128, 128));

// Clockwise angle in degrees from 12 o'clock of point seen from centre, 0..360.
double ClockwiseDegrees(const QPointF& centre, const QPointF& point);

QImage SolidImage(int width, int height, QRgb argb);

} // namespace tikloom::test
