#pragma once
// The clock's one process-wide application state. The rules of the clock
// (loading, drawing, the tick, the opacity rules, the monitor rules, the tray)
// are plain functions over this state, so they are tested without a display.

#include "clock/core/clock_time.h"
#include "clock/core/pixel_buffer.h"
#include "clock/core/presenter.h"
#include "clock/core/theme_model.h"
#include "common/program_layout.h"

#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace tikloom {

enum class OpacityClamp { AtMax, AtMin, Between };

struct AppState {
    ProgramLayout Layout;

    // Settings ([Window] and [Options] of tikloom.ini), read once at start.
    // WindowLeft and WindowTop then follow where the clock asks to be (the
    // monitor rules) or the user drags it: what is saved, whatever place a
    // window manager gives the window.
    int WindowLeft = 10;
    int WindowTop = 10;
    bool Minimized = false;
    bool HighQualitySmoothing = true;
    uint32_t MinimizeShortcutModifier = 8;
    uint32_t MinimizeShortcutKey = 67;

    ThemeModel Theme;
    PixelBuffer FaceBuffer;
    PixelBuffer FrameBuffer;
    // FaceBuffer with the caption drawn on it, reused while the caption reads
    // the same; CaptionOnFace is the caption it shows, none when it is stale.
    PixelBuffer CaptionedFace;
    std::optional<QString> CaptionOnFace;

    ClockTime DisplayedTime;
    int TimeMode = 0; // 0 real time; 1..3 time-lapse previews
    uint16_t LastSecond = 0;
    int CurrentAlpha = 0;
    OpacityClamp Clamp = OpacityClamp::AtMax;
    bool Clickable = true;
    // True while the window is on screen (shown and not yet faded into the tray).
    bool WindowVisible = false;
    QRect RectAtLastMove;
    QRect MonitorAtLastMove;

    // Where frames go; set by the window (or by a test / the render tool).
    Presenter* Output = nullptr;
    // Source of the local time; replaceable so renders and tests are repeatable.
    std::function<ClockTime()> LocalTime;
};

} // namespace tikloom
