// Theme loading and drawing on any theme file: the model is read, the face
// built and one frame drawn, under the sanitizers.

#include "clock/core/app_state.h"
#include "clock/core/load_theme.h"
#include "clock/core/memory_presenter.h"
#include "common/program_layout.h"
#include "fuzz_support.h"

#include <QImage>

using namespace tikloom;

namespace {

// Images the theme may name (Themes\a.png ... ), made once.
void MakeImages() {
    static bool made = false;
    if (made) {
        return;
    }
    made = true;
    QImage image(96, 64, QImage::Format_ARGB32);
    image.fill(0x80FF8000u);
    for (const char* name : {"Themes/a.png", "Themes/b.png", "Themes/c.png"}) {
        image.save(fuzz::ScratchFolder() + QLatin1String(name), "PNG");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::EnsureGuiApplication();
    MakeImages();
    fuzz::StoreInput(QStringLiteral("Themes/fuzz.tkm"),
                     QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    fuzz::StoreInput(QStringLiteral("tikloom.ini"), "[Theme]\nFileName=fuzz.tkm\n");

    static MemoryPresenter presenter;
    AppState state;
    state.Layout = PortableLayout(fuzz::ScratchFolder());
    state.Output = &presenter;
    state.HighQualitySmoothing = (size % 2) == 0;
    state.LocalTime = [] { return ClockTime{2026, 3, 6, 14, 10, 8, 30, 0}; };
    LoadTheme(state);
    return 0;
}
