#include "clock/core/time_renderer.h"

#include "clock/core/caption_locale.h"
#include "clock/core/drawing_layer.h"
#include "clock/core/render_local_time.h"

#include <QPointF>
#include <cmath>

namespace tikloom {

namespace {

// Counterweight and its shadow: 2.5 times the second hand's width, over the
// outer third of the tail.
constexpr float kCounterweightWidthFactor = 2.5f;
constexpr float kCounterweightStartDivisor = 1.5f;
// The second hand's shadow is drawn half a pixel thinner than the others.
constexpr float kSecondShadowReduction = 0.5f;
constexpr float kCentreDiscDiameterFactor = 3.6f;

// Unit vectors of a hand: along it towards the tip, and across it to the
// right of a hand that points up (y grows downwards).
struct HandDirection {
    QPointF along;
    QPointF across;
};

HandDirection DirectionOf(double angle) {
    const double sine = std::sin(angle);
    const double cosine = std::cos(angle);
    return {QPointF(sine, -cosine), QPointF(cosine, sine)};
}

struct Hands {
    HandDirection hour;
    HandDirection minute;
    HandDirection second;
};

// The caption shows the real time, also while the hands show a time-lapse.
QString CaptionText(const AppState& state) {
    if (!state.Theme.ShowCaption) {
        return {};
    }
    return FormatCaption(state.Theme.Format, CaptionTimeFields(RenderLocalTime(state)));
}

// Caption and hands are drawn with the same settings.
void PrepareSurface(DrawingSurface& surface, const AppState& state) {
    if (state.HighQualitySmoothing) {
        surface.SetSmoothing(true);
        surface.SetHighQualityFiltering(true);
    }
    surface.SetTextAntiAlias();
    surface.Translate(state.Theme.CenterX, state.Theme.CenterY);
}

// The caption lies under the hands, so the face with the caption on it is the
// same picture for as long as the caption reads the same (mostly a minute or
// a day): it is drawn again only when the caption changes.
const PixelBuffer& CaptionedFace(AppState& state) {
    const QString caption = CaptionText(state);
    if (state.CaptionOnFace == caption) {
        return state.CaptionedFace;
    }
    CopyPixels(state.CaptionedFace, state.FaceBuffer);
    if (!caption.isEmpty()) {
        const ThemeModel& theme = state.Theme;
        DrawingSurface face(state.CaptionedFace);
        PrepareSurface(face, state);
        face.DrawCentredText(caption, MakeFont(theme.CaptionFontName, theme.CaptionFontSize),
                             QPointF(theme.CaptionX, theme.CaptionY), theme.CaptionColor);
    }
    state.CaptionOnFace = caption;
    return state.CaptionedFace;
}

// Each strip of the hands image (hour, minute, second from the left) points
// up with its pivot two thirds down; it is drawn F / 2 wide and 1.5 F long,
// F being the second hand's head length, reaching F beyond the centre.
void DrawImageHands(DrawingSurface& frame, const ThemeModel& theme, const Hands& hands) {
    const QImage& image = theme.HandsImageCache;
    if (image.isNull()) {
        return;
    }
    const double stripWidth = image.width() / 3.0;
    const double height = image.height();
    const double head = theme.SecHeadLength;
    const auto drawStrip = [&](const HandDirection& hand, int strip) {
        const QPointF upperLeft = head * hand.along - (head / 4) * hand.across;
        const QPointF upperRight = head * hand.along + (head / 4) * hand.across;
        const QPointF lowerLeft = -(head / 2) * hand.along - (head / 4) * hand.across;
        frame.DrawImagePoints(image, upperLeft, upperRight, lowerLeft,
                              QRectF(strip * stripWidth, 0, stripWidth, height));
    };
    drawStrip(hands.hour, 0);
    drawStrip(hands.minute, 1);
    if (theme.ShowSecHand) {
        drawStrip(hands.second, 2);
    }
}

void DrawHandLine(DrawingSurface& frame, const QPointF& offset, const HandDirection& hand,
                  float from, float to, float width, uint32_t colour) {
    frame.DrawLine(offset + from * hand.along, offset + to * hand.along, width, colour);
}

// Each shadow just before its own hand, moved by the full shadow offset, so
// a later hand's shadow falls on the earlier hands.
void DrawLineHands(DrawingSurface& frame, const ThemeModel& theme, const Hands& hands) {
    const QPointF none(0, 0);
    const QPointF shadow(theme.ShadowOffsetX, theme.ShadowOffsetY);
    const float thickening = theme.ShadowThickness;

    if (theme.ShowHourShadow) {
        DrawHandLine(frame, shadow, hands.hour, theme.HourHeadLength, -theme.HourTailLength,
                     theme.HourWidth + thickening, theme.ShadowColor);
    }
    DrawHandLine(frame, none, hands.hour, theme.HourHeadLength, -theme.HourTailLength,
                 theme.HourWidth, theme.HourColor);

    if (theme.ShowMinShadow) {
        DrawHandLine(frame, shadow, hands.minute, theme.MinHeadLength, -theme.MinTailLength,
                     theme.MinWidth + thickening, theme.ShadowColor);
    }
    DrawHandLine(frame, none, hands.minute, theme.MinHeadLength, -theme.MinTailLength,
                 theme.MinWidth, theme.MinColor);

    if (!theme.ShowSecHand) {
        return;
    }
    const float tail = theme.SecTailLength;
    const float counterweightStart = tail / kCounterweightStartDivisor;
    const float counterweightWidth = kCounterweightWidthFactor * theme.SecWidth;
    if (theme.ShowSecShadow) {
        DrawHandLine(frame, shadow, hands.second, theme.SecHeadLength, -tail,
                     theme.SecWidth + thickening - kSecondShadowReduction, theme.ShadowColor);
        DrawHandLine(frame, shadow, hands.second, -counterweightStart, -tail,
                     counterweightWidth + thickening - kSecondShadowReduction, theme.ShadowColor);
    }
    DrawHandLine(frame, none, hands.second, theme.SecHeadLength, -tail, theme.SecWidth,
                 theme.SecColor);
    DrawHandLine(frame, none, hands.second, -counterweightStart, -tail, counterweightWidth,
                 theme.SecColor);
    const float disc = kCentreDiscDiameterFactor * theme.SecWidth;
    frame.FillEllipse(QRectF(-disc / 2, -disc / 2, disc, disc), theme.SecColor);
}

} // namespace

HandAngles AnglesOf(const ClockTime& time) {
    HandAngles angles;
    angles.hour = (time.Hour + time.Minute / 60.0) * M_PI / 6.0;
    angles.minute = (time.Minute + time.Second / 60.0) * M_PI / 30.0;
    angles.second = time.Second * M_PI / 30.0;
    return angles;
}

void DrawTime(AppState& state) {
    const ThemeModel& theme = state.Theme;
    const HandAngles angles = AnglesOf(state.DisplayedTime);
    const Hands hands{DirectionOf(angles.hour), DirectionOf(angles.minute),
                      DirectionOf(angles.second)};

    // The frame takes the face's ratio.
    CopyPixels(state.FrameBuffer, CaptionedFace(state));
    {
        DrawingSurface frame(state.FrameBuffer);
        PrepareSurface(frame, state);
        if (theme.UseHandsImage) {
            DrawImageHands(frame, theme, hands);
        } else {
            DrawLineHands(frame, theme, hands);
        }
    }
    if (state.Output != nullptr) {
        state.Output->Present(&state.FrameBuffer, state.CurrentAlpha);
    }
}

} // namespace tikloom
