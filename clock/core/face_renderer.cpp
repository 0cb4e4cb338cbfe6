#include "clock/core/face_renderer.h"

#include "clock/core/drawing_layer.h"
#include "clock/core/render_local_time.h"
#include "clock/core/time_renderer.h"
#include "clock/core/trim_memory.h"
#include "common/density_image.h"
#include "common/program_layout.h"

#include <QImage>
#include <QString>
#include <cmath>
#include <memory>

namespace tikloom {

namespace {

constexpr int kTickSteps = 60;
constexpr int kStepsPerHour = 5;
constexpr double kRadiansPerStep = M_PI / 30.0;

const QRect kWholeSquare(0, 0, kClockSize, kClockSize);

struct FaceImages {
    QImage background;
    QImage overlay;
    QImage mask;
};

// Each image from its @2x file where the face is drawn denser and there is one.
FaceImages DecodeFaceImages(const AppState& state) {
    const ThemeModel& theme = state.Theme;
    const double ratio = state.FaceBuffer.ratio();
    const auto decode = [&](const QString& storedPath) {
        return DecodeImage(
            DensityImagePath(ResolveImagePath(theme.ImageFolders, storedPath), ratio));
    };
    FaceImages images;
    images.background = decode(theme.ImageFile);
    images.overlay = decode(theme.OverlayFile);
    images.mask = decode(theme.MaskFile);
    return images;
}

// A dot of diameter size centred on (x, y), after its shadow when wanted. The
// shadow is larger by ShadowThickness and moved by half the shadow offset.
void DrawTickDot(DrawingSurface& face, const ThemeModel& theme, float x, float y, float size,
                 uint32_t colour, bool withShadow) {
    if (withShadow) {
        const float shadowSize = size + theme.ShadowThickness;
        face.FillEllipse(QRectF(x - (shadowSize - theme.ShadowOffsetX) / 2,
                                y - (shadowSize - theme.ShadowOffsetY) / 2, shadowSize, shadowSize),
                         theme.ShadowColor);
    }
    face.FillEllipse(QRectF(x - size / 2, y - size / 2, size, size), colour);
}

// The 60 tick positions, clockwise from one minute past 12; origin at the centre.
void DrawTicksAndNumbers(DrawingSurface& face, const ThemeModel& theme) {
    const std::optional<QFont> numberFont =
        MakeFont(theme.TickNumbersFontName, theme.TickNumbersFontSize);
    for (int step = 1; step <= kTickSteps; ++step) {
        const double angle = step * kRadiansPerStep;
        const float x = static_cast<float>(std::sin(angle) * theme.Radius);
        const float y = static_cast<float>(-std::cos(angle) * theme.Radius);
        if (step % kStepsPerHour == 0) {
            if (theme.ShowMajorTicks) {
                DrawTickDot(face, theme, x, y, theme.MajorTickSize, theme.MajorTickColor,
                            theme.ShowMajorTickShadow);
            }
            if (theme.ShowTickNumbers) {
                face.DrawCentredText(QString::number(step / kStepsPerHour), numberFont,
                                     QPointF(theme.NumberRadius * x, theme.NumberRadius * y),
                                     theme.TickNumberColor);
            }
        } else if (theme.ShowMinorTicks) {
            DrawTickDot(face, theme, x, y, theme.MinorTickSize, theme.MinorTickColor,
                        theme.ShowMinorTickShadow);
        }
    }
}

} // namespace

QRectF BackgroundRectangle(const ThemeModel& theme, const QSizeF& imageSize) {
    const float left = theme.ImageLeft;
    const float top = theme.ImageTop;
    const float boxWidth = theme.ImageWidth;
    const float boxHeight = theme.ImageHeight;
    if (!theme.KeepImageAspectRatio) {
        return QRectF(left, top, boxWidth, boxHeight);
    }
    const float imageWidth = static_cast<float>(imageSize.width());
    const float imageHeight = static_cast<float>(imageSize.height());
    if (boxHeight / boxWidth - imageHeight / imageWidth < 0) {
        // Relatively taller than the box: full box width, overhanging top and bottom.
        const float height = boxWidth * imageHeight / imageWidth;
        return QRectF(left, top - (height - boxHeight) / 2, boxWidth, height);
    }
    const float width = boxHeight * imageWidth / imageHeight;
    return QRectF(left - (width - boxWidth) / 2, top, width, boxHeight);
}

void BuildFace(AppState& state) {
    const ThemeModel& theme = state.Theme;
    {
        auto maskBuffer = std::make_unique<PixelBuffer>(state.FaceBuffer.ratio());
        FaceImages images = DecodeFaceImages(state);
        {
            DrawingSurface face(state.FaceBuffer);
            DrawingSurface mask(*maskBuffer);
            face.Clear();
            mask.Clear();
            mask.DrawImage(images.mask, kWholeSquare);
            if (!images.background.isNull()) {
                face.DrawImage(images.background,
                               BackgroundRectangle(theme, QSizeF(images.background.size())));
            }
            face.FillRect(kWholeSquare, theme.BackgroundColor);
        }
        // The mask works on the pixels themselves, so no surface is open on them.
        if (theme.UseMaskImage) {
            ApplyMask(state.FaceBuffer, *maskBuffer);
        }
        maskBuffer.reset();
        {
            DrawingSurface face(state.FaceBuffer);
            if (theme.UseOverlayImage) {
                face.DrawImage(images.overlay, kWholeSquare);
            }
            face.SetSmoothing(true);
            face.SetTextAntiAlias();
            face.Translate(theme.CenterX, theme.CenterY);
            DrawTicksAndNumbers(face, theme);
        }
    }

    state.CaptionOnFace.reset();
    state.DisplayedTime = RenderLocalTime(state);
    DrawTime(state);

    TrimMemory();
}

} // namespace tikloom
