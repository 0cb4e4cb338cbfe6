// The tray miniature drawn by hand: its lines against a painter's, and the
// picture laid on the place a tray gives the icon.

#include "clock/core/flat_line.h"
#include "clock/core/premultiplied_over.h"
#include "clock/core/tray_picture.h"

#include <QtTest>
#include <cmath>

using namespace tikloom;

namespace {

QImage Transparent(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The exact shape, a rectangle, sampled 16 x 16 times a pixel: the share of
// each pixel it covers, as alpha.
QImage GeometricLine(int side, QPointF from, QPointF to, double width) {
    QImage image = Transparent(side);
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    const QPointF u = d / length;
    constexpr int kFine = 16;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            int inside = 0;
            for (int i = 0; i < kFine; ++i) {
                for (int j = 0; j < kFine; ++j) {
                    const QPointF p = QPointF(x + (j + 0.5) / kFine, y + (i + 0.5) / kFine) - from;
                    const double along = p.x() * u.x() + p.y() * u.y();
                    const double across = std::abs(p.x() * u.y() - p.y() * u.x());
                    inside += along >= 0 && along < length && across < width / 2;
                }
            }
            const int alpha = (inside * 255 + kFine * kFine / 2) / (kFine * kFine);
            image.setPixel(x, y, qRgba(0, 0, 0, alpha));
        }
    }
    return image;
}

QImage HandLine(int side, QPointF from, QPointF to, double width, QRgb colour) {
    QImage image = Transparent(side);
    DrawFlatLine(image, from, to, width, colour);
    return image;
}

struct Difference {
    int Largest = 0;      // of one pixel's alpha
    double CoverageA = 0; // summed alpha, in pixels
    double CoverageB = 0;
};

Difference Compare(const QImage& a, const QImage& b) {
    Difference d;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const int alphaA = qAlpha(a.pixel(x, y));
            const int alphaB = qAlpha(b.pixel(x, y));
            d.Largest = std::max(d.Largest, std::abs(alphaA - alphaB));
            d.CoverageA += alphaA / 255.0;
            d.CoverageB += alphaB / 255.0;
        }
    }
    return d;
}

} // namespace

class TrayPictureTest : public QObject {
    Q_OBJECT

private slots:
    // The widths and lengths of the miniature's hands and mark at the sizes
    // trays use, in every direction, at whole and half-pixel positions: each
    // pixel within an eighth of the share the line truly covers (the 4 x 4
    // samples of an edge pixel), the ink within 8% (lines along the axes,
    // whose edges fall between samples, gain or lose most).
    void linesCoverWhatTheirShapeCovers() {
        const double widths[] = {1.0, 1.6, 2.0, 2.9, 4.2};
        const double lengths[] = {2.0, 5.25, 9.45, 20.0};
        const QPointF centres[] = {QPointF(24.0, 24.0), QPointF(23.5, 24.5)};
        for (const double width : widths) {
            for (const double length : lengths) {
                for (int step = 0; step < 60; step += 7) {
                    for (const QPointF centre : centres) {
                        const double angle = step / 30.0 * M_PI;
                        const QPointF tip =
                            centre + QPointF(std::sin(angle), -std::cos(angle)) * length;
                        const Difference d = Compare(GeometricLine(48, centre, tip, width),
                                                     HandLine(48, centre, tip, width, 0xFF000000));
                        const QString where = QStringLiteral("width %1 length %2 step %3")
                                                  .arg(width)
                                                  .arg(length)
                                                  .arg(step);
                        QVERIFY2(
                            d.Largest <= 255 / 8 + 1,
                            qPrintable(where + QStringLiteral(": pixel off by %1").arg(d.Largest)));
                        QVERIFY2(std::abs(d.CoverageA - d.CoverageB) <= 0.08 * d.CoverageA + 0.1,
                                 qPrintable(where + QStringLiteral(": ink %1 against %2")
                                                        .arg(d.CoverageB)
                                                        .arg(d.CoverageA)));
                    }
                }
            }
        }
    }

    void lineBlendsOverWhatIsThere() {
        QImage image(8, 8, QImage::Format_ARGB32_Premultiplied);
        image.fill(qRgba(255, 255, 255, 255));
        DrawFlatLine(image, QPointF(0, 4), QPointF(8, 4), 2.0, 0xDD000000);
        // Fully covered rows take the colour's alpha: white shows through.
        const QRgb covered = image.pixel(4, 3);
        QCOMPARE(qAlpha(covered), 255);
        QVERIFY(qAbs(qRed(covered) - (255 - 0xDD)) <= 1);
        QCOMPARE(image.pixel(4, 0), qRgba(255, 255, 255, 255));
    }

    void degenerateLinesDrawNothing() {
        const QImage empty = Transparent(8);
        QImage image = Transparent(8);
        DrawFlatLine(image, QPointF(3, 3), QPointF(3, 3), 2.0, 0xFFFF0000);
        DrawFlatLine(image, QPointF(1, 1), QPointF(6, 6), 0.0, 0xFFFF0000);
        DrawFlatLine(image, QPointF(1, 1), QPointF(6, 6), std::nan(""), 0xFFFF0000);
        QCOMPARE(image, empty);
        // Far outside the image: clipped, no write out of bounds.
        DrawFlatLine(image, QPointF(-1e6, -1e6), QPointF(-1e6 + 3, -1e6), 2.0, 0xFFFF0000);
        DrawFlatLine(image, QPointF(100, 100), QPointF(200, 150), 9.0, 0xFFFF0000);
        QCOMPARE(image, empty);
    }

    void overKeepsOpaqueSourcesAndAddsTranslucentOnes() {
        QCOMPARE(PremultipliedOver(0xFF102030, 0xFFFFFFFF), QRgb(0xFF102030));
        QCOMPARE(PremultipliedOver(0x00000000, 0x80402010), QRgb(0x80402010));
        // Half-transparent black over white: half grey, opaque.
        QCOMPARE(PremultipliedOver(0x80000000, 0xFFFFFFFF), QRgb(0xFF7F7F7F));
    }

    void sideIsThePlacesSmallerSideWithinBounds() {
        QCOMPARE(TrayPictureSide(QSize(22, 22)), 22);
        QCOMPARE(TrayPictureSide(QSize(1, 22)), 1);
        QCOMPARE(TrayPictureSide(QSize(30, 24)), 24);
        QCOMPARE(TrayPictureSide(QSize(0, 0)), 1);
        QCOMPARE(TrayPictureSide(QSize(4000, 4000)), 256);
    }

    void miniatureIsCentredOverTransparency() {
        QImage miniature(4, 4, QImage::Format_ARGB32_Premultiplied);
        miniature.fill(qRgba(255, 0, 0, 255));
        const QImage picture = PlaceTrayPicture(miniature, QSize(8, 6));
        QCOMPARE(picture.size(), QSize(8, 6));
        QCOMPARE(picture.format(), QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(picture.pixel(2, 1), qRgba(255, 0, 0, 255));
        QCOMPARE(picture.pixel(5, 4), qRgba(255, 0, 0, 255));
        QCOMPARE(qAlpha(picture.pixel(1, 1)), 0);
        QCOMPARE(qAlpha(picture.pixel(6, 4)), 0);
        QCOMPARE(qAlpha(picture.pixel(2, 5)), 0);
    }

    void miniatureIsLaidOverTheTraysPixels() {
        QImage miniature(2, 2, QImage::Format_ARGB32_Premultiplied);
        miniature.fill(Qt::transparent);
        miniature.setPixel(0, 0, qRgba(0, 0, 0, 0x80)); // premultiplied half black
        QImage background(4, 4, QImage::Format_RGB32);
        background.fill(qRgb(200, 100, 50));
        const QImage picture = PlaceTrayPicture(miniature, QSize(4, 4), background);
        QCOMPARE(picture.pixel(0, 0), qRgb(200, 100, 50));
        QCOMPARE(picture.pixel(1, 1), qRgb(100, 50, 25));
        QCOMPARE(picture.pixel(2, 2), qRgb(200, 100, 50));
        // A background of another size (a tray that changed its place) is not used.
        const QImage stale = PlaceTrayPicture(miniature, QSize(6, 6), background);
        QCOMPARE(qAlpha(stale.pixel(0, 0)), 0);
    }

    void largerMiniatureIsCropped() {
        QImage miniature(10, 10, QImage::Format_ARGB32_Premultiplied);
        miniature.fill(qRgba(0, 0, 255, 255));
        const QImage picture = PlaceTrayPicture(miniature, QSize(4, 4));
        QCOMPARE(picture.size(), QSize(4, 4));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                QCOMPARE(picture.pixel(x, y), qRgba(0, 0, 255, 255));
    }
};

QTEST_GUILESS_MAIN(TrayPictureTest)
#include "test_tray_picture.moc"
