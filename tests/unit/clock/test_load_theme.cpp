// Loading a theme into the running clock: the model, the face and the first
// frame, and what a reload means for the window's opacity.

#include "clock/core/load_theme.h"

#include "clock/core/opacity_rules.h"
#include "support/render_test_support.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace tikloom;
using namespace tikloom::test;

namespace {

void WriteFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

const QRect kWindow(100, 100, 128, 128);
const QPoint kFarAway(1900, 1000);

} // namespace

class LoadThemeTest : public QObject {
    Q_OBJECT

private slots:
    void loadShowsTheNewThemeAtOnce() {
        RenderBench bench;
        QDir(bench.state.Layout.ProgramFolder).mkdir(QStringLiteral("Themes"));
        WriteFile(bench.state.Layout.ProgramFolder + QStringLiteral("Themes/plain.tkm"),
                  "[Background]\nImageFile=\nMaskFile=\nOverlayFile=\n"
                  "[Color]\nBackgroundColor=4278190335\n"
                  "[Options]\nUseMaskImage=0\nShowCaption=0\n");
        WriteFile(bench.state.Layout.ProgramFolder + QStringLiteral("tikloom.ini"),
                  "[Theme]\nFileName=plain.tkm\n");
        LoadTheme(bench.state);
        QCOMPARE(bench.presenter.FrameCount(), 1);
        QCOMPARE(PixelAt(bench.state.FaceBuffer, 2, 2), 0xFF0000FFu); // the opaque blue wash
        QCOMPARE(bench.state.DisplayedTime.Second, bench.now.Second);
    }

    void aReloadedThemesOpacityBoundsApplyAtOnce() {
        // The pointer is far away and the clock rests at the old theme's
        // MaxAlpha (178); the customizer saves a theme with Max 40 (alpha 102).
        RenderBench bench;
        QDir(bench.state.Layout.ProgramFolder).mkdir(QStringLiteral("Themes"));
        WriteFile(bench.state.Layout.ProgramFolder + QStringLiteral("Themes/default.tkm"),
                  "[Transparency]\nMin=10\nMax=40\n");
        bench.state.CurrentAlpha = 178;
        bench.state.Clickable = false;
        bench.state.Clamp = OpacityClamp::AtMax;
        LoadTheme(bench.state);
        QCOMPARE(bench.state.Theme.MaxAlpha, 102);
        const OpacityChange change = ApplyHoverRule(bench.state, kFarAway, kWindow);
        QCOMPARE(bench.state.CurrentAlpha, 102);
        QVERIFY(change.ApplyOpacity); // the window showed 178 until now
        QVERIFY(!ApplyHoverRule(bench.state, kFarAway, kWindow).ApplyOpacity);
    }
};

QTEST_MAIN(LoadThemeTest)
#include "test_load_theme.moc"
