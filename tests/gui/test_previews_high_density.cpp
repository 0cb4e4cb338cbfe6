// The image previews on a form scaled to 200%: drawn at device resolution,
// from a theme image's @2x file where there is one.
#include "customizer/form/paint_box.h"
#include "support/customizer_fixture.h"

#include <QApplication>
#include <QDir>
#include <QTest>

using tikloom::PaintBox;

namespace {

void WriteImage(CustomizerFixture& f, const QString& relativePath, const QColor& colour, int side) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    const QString path = f.Folder() + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(image.save(path));
}

QImage Grab(PaintBox* box) {
    return box->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestPreviewsHighDensity : public QObject {
    Q_OBJECT

private slots:
    void previewsTakeTheDoubleDensityImage() {
        CustomizerFixture f;
        WriteImage(f, QStringLiteral("Themes/default_mask.png"), Qt::white, 16);
        WriteImage(f, QStringLiteral("Themes/default_mask@2x.png"), Qt::blue, 32);
        WriteImage(f, QStringLiteral("Themes/default_overlay.png"), Qt::white, 16);
        f.Form();
        auto* mask = f.Find<PaintBox>("pbMaskImage");
        QCOMPARE(mask->devicePixelRatioF(), 2.0);
        const QImage maskPicture = Grab(mask);
        QCOMPARE(maskPicture.size(), mask->size() * 2);
        QCOMPARE(maskPicture.pixelColor(100, 100), QColor(Qt::blue));
        // Without an @2x file the plain image is shown.
        QCOMPARE(Grab(f.Find<PaintBox>("pbOverlayImage")).pixelColor(100, 100), QColor(Qt::white));
    }

    void checkerboardSquaresHaveSharpEdges() {
        CustomizerFixture f;
        f.Form();
        // No image: the background preview (drawn with smooth scaling) shows
        // the checkerboard, of squares 8 device pixels wide, light or dark and
        // nothing between. Row 3 between the placement guides.
        const QImage picture = Grab(f.Find<PaintBox>("pbBackgroundImage"));
        int changes = 0;
        for (int x = 24; x < 104; ++x) {
            const int grey = picture.pixelColor(x, 3).red();
            QVERIFY2(grey == 0xCC || grey == 0xFF,
                     qPrintable(QStringLiteral("grey %1 at %2").arg(grey).arg(x)));
            changes += x > 24 && grey != picture.pixelColor(x - 1, 3).red();
        }
        QCOMPARE(changes, 9);
    }
};

int main(int argc, char** argv) {
    // Before the application exists, which reads the screen's scale once.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestPreviewsHighDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_previews_high_density.moc"
