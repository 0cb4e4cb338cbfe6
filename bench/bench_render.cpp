// Cost of the clock's drawing: one DrawTime (a frame, every second), one
// BuildFace (a theme load), and copying 16384 pixels, the floor of a frame.
//
//   bench_render [PROGRAM_FOLDER]   (default: the build's bin/ folder)

#include "clock/core/app_state.h"
#include "clock/core/face_renderer.h"
#include "clock/core/pixel_buffer.h"
#include "clock/core/presenter.h"
#include "clock/core/theme_loader.h"
#include "clock/core/time_renderer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <functional>

using namespace tikloom;

namespace {

// Takes the frame as the window would, without the cost of a window.
class DiscardingPresenter : public Presenter {
public:
    void Present(const PixelBuffer* frame, int) override { frames_ += frame != nullptr; }
    int frames() const { return frames_; }

private:
    int frames_ = 0;
};

// Nanoseconds per call, best of several rounds so that other work on the
// machine does not count.
double NanosecondsPerCall(int calls, const std::function<void()>& work) {
    constexpr int kRounds = 5;
    double best = 0;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < calls; ++i) {
            work();
        }
        const double each = static_cast<double>(timer.nsecsElapsed()) / calls;
        if (round == 0 || each < best) {
            best = each;
        }
    }
    return best;
}

ClockTime TimeAt(int second) {
    ClockTime time;
    time.Year = 2026;
    time.Month = 3;
    time.Day = 14;
    time.DayOfWeek = 6;
    time.Hour = static_cast<uint16_t>(10 + second / 3600 % 12);
    time.Minute = static_cast<uint16_t>(second / 60 % 60);
    time.Second = static_cast<uint16_t>(second % 60);
    return time;
}

void Report(const char* what, double nanoseconds, double floor) {
    std::printf("%-44s %10.2f us  %7.1f x copy\n", what, nanoseconds / 1000.0, nanoseconds / floor);
}

void MeasureTheme(const QString& folder, const QString& themeFile, bool highQuality,
                  double copyFloor) {
    AppState state;
    state.ProgramFolder = folder;
    state.HighQualitySmoothing = highQuality;
    DiscardingPresenter presenter;
    state.Output = &presenter;
    int second = 0;
    state.LocalTime = [&second] { return TimeAt(second); };
    LoadThemeModelFromFile(folder, folder + QStringLiteral("Themes/") + themeFile, state.Theme);

    const QByteArray label =
        (themeFile + (highQuality ? QStringLiteral(", high quality") : QStringLiteral(", plain")))
            .toUtf8();
    const double build = NanosecondsPerCall(20, [&] { BuildFace(state); });
    const double frame = NanosecondsPerCall(2000, [&] {
        ++second;
        state.DisplayedTime = TimeAt(second);
        DrawTime(state);
    });
    Report(("BuildFace  " + label).constData(), build, copyFloor);
    Report(("DrawTime   " + label).constData(), frame, copyFloor);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1])
                              : QCoreApplication::applicationDirPath() + QStringLiteral("/../bin");
    folder = QDir(folder).absolutePath() + QLatin1Char('/');
    std::printf("program folder: %s%s\n", qPrintable(folder),
                QFileInfo::exists(folder + QStringLiteral("Themes/default.tkm"))
                    ? ""
                    : " (no Themes/default.tkm: built-in defaults, no images)");

    PixelBuffer source;
    PixelBuffer target;
    for (int i = 0; i < kClockPixels; ++i) {
        source.bits()[i] = static_cast<uint32_t>(i) * 2654435761u;
    }
    const double copy = NanosecondsPerCall(200000, [&] { CopyPixels(target, source); });
    Report("CopyPixels (16384 pixels, the floor)", copy, copy);

    MeasureTheme(folder, QStringLiteral("default.tkm"), true, copy);
    MeasureTheme(folder, QStringLiteral("default.tkm"), false, copy);
    const QStringList others = QDir(folder + QStringLiteral("Themes"))
                                   .entryList({QStringLiteral("*.tkm")}, QDir::Files, QDir::Name);
    for (const QString& theme : others) {
        if (theme != QLatin1String("default.tkm")) {
            MeasureTheme(folder, theme, true, copy);
        }
    }
    return target.bits()[1] == source.bits()[1] ? 0 : 1;
}
