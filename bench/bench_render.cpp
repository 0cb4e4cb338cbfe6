// Cost of the clock's drawing: one DrawTime (a frame, every second), one
// BuildFace (a theme load), and copying 16384 pixels, the floor of a frame;
// also both at device pixel ratio 2 against their cost at ratio 1 (goal: at
// most 4 times, the number of pixels).
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
#include <ctime>
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

// Processor time of the whole process (the drawing library's worker
// threads included), in nanoseconds.
double ProcessorNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

// Cost of one call in nanoseconds, wall-clock and processor time, each the
// best of several rounds so that other work on the machine counts least.
struct Cost {
    double wall = 0;
    double processor = 0;
};

Cost CostPerCall(int calls, const std::function<void()>& work) {
    constexpr int kRounds = 5;
    Cost best;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        const double processorStart = ProcessorNanoseconds();
        timer.start();
        for (int i = 0; i < calls; ++i) {
            work();
        }
        const double wall = static_cast<double>(timer.nsecsElapsed()) / calls;
        const double processor = (ProcessorNanoseconds() - processorStart) / calls;
        if (round == 0 || wall < best.wall) {
            best.wall = wall;
        }
        if (round == 0 || processor < best.processor) {
            best.processor = processor;
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

void Report(const char* what, const Cost& cost, const Cost& floor) {
    std::printf("%-42s %9.2f us %7.1f x   %9.2f us %7.1f x\n", what, cost.wall / 1000.0,
                cost.wall / floor.wall, cost.processor / 1000.0, cost.processor / floor.processor);
}

struct ThemeCosts {
    Cost build;
    Cost frame;
};

ThemeCosts MeasureTheme(const QString& folder, const QString& themeFile, bool highQuality,
                        const Cost& copyFloor, double ratio = 1.0) {
    AppState state;
    state.Layout = PortableLayout(folder);
    state.FaceBuffer = PixelBuffer(ratio);
    state.FrameBuffer = PixelBuffer(ratio);
    state.HighQualitySmoothing = highQuality;
    DiscardingPresenter presenter;
    state.Output = &presenter;
    int second = 0;
    state.LocalTime = [&second] { return TimeAt(second); };
    LoadThemeModelFromFile(folder, folder + QStringLiteral("Themes/") + themeFile, state.Theme,
                           ratio);

    const QByteArray label =
        (themeFile + (highQuality ? QStringLiteral(", high quality") : QStringLiteral(", plain")) +
         (ratio == 1.0 ? QString() : QStringLiteral(", ratio %1").arg(ratio)))
            .toUtf8();
    const Cost build = CostPerCall(20, [&] { BuildFace(state); });
    const Cost frame = CostPerCall(2000, [&] {
        ++second;
        state.DisplayedTime = TimeAt(second);
        DrawTime(state);
    });
    Report(("BuildFace  " + label).constData(), build, copyFloor);
    Report(("DrawTime   " + label).constData(), frame, copyFloor);
    return {build, frame};
}

void ReportGrowth(const char* what, const Cost& dense, const Cost& plain) {
    std::printf("%-42s %9.2f x   %9s %9.2f x\n", what, dense.wall / plain.wall, "",
                dense.processor / plain.processor);
}

// The same theme at ratio 1 and 2, and what the denser drawing costs more.
void MeasureDensity(const QString& folder, const QString& themeFile, bool highQuality,
                    const Cost& copyFloor) {
    const ThemeCosts plain = MeasureTheme(folder, themeFile, highQuality, copyFloor);
    const ThemeCosts dense = MeasureTheme(folder, themeFile, highQuality, copyFloor, 2.0);
    ReportGrowth("BuildFace  ratio 2 / ratio 1 (goal <= 4)", dense.build, plain.build);
    ReportGrowth("DrawTime   ratio 2 / ratio 1 (goal <= 4)", dense.frame, plain.frame);
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
    std::printf("%-42s %9s %9s   %9s %9s\n", "", "wall", "vs copy", "processor", "vs copy");
    const Cost copy = CostPerCall(100000, [&] { CopyPixels(target, source); });
    Report("CopyPixels (16384 pixels, the floor)", copy, copy);

    MeasureDensity(folder, QStringLiteral("default.tkm"), true, copy);
    MeasureDensity(folder, QStringLiteral("default.tkm"), false, copy);
    const QStringList others = QDir(folder + QStringLiteral("Themes"))
                                   .entryList({QStringLiteral("*.tkm")}, QDir::Files, QDir::Name);
    for (const QString& theme : others) {
        if (theme != QLatin1String("default.tkm")) {
            MeasureDensity(folder, theme, true, copy);
        }
    }
    return target.bits()[1] == source.bits()[1] ? 0 : 1;
}
