// The drawing layer: fonts and their fallback, images that cannot be decoded,
// the parallelogram mapping, square caps, and half-transparent shapes.

#include "clock/core/drawing_layer.h"

#include "support/render_test_support.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

using namespace tikloom;
using namespace tikloom::test;

class DrawingLayerTest : public QObject {
    Q_OBJECT

private slots:
    void fontOfAnInstalledFamily() {
        const std::optional<QFont> font = MakeFont(QStringLiteral("dejavu serif"), 8.0f);
        QVERIFY(font.has_value());
        QCOMPARE(font->family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(font->pointSizeF(), 8.0);
        QCOMPARE(font->weight(), QFont::Normal);
        QCOMPARE(font->style(), QFont::StyleNormal);
        // 8 points at 96 dots per inch are 10.67 pixels.
        PixelBuffer buffer;
        QPainter painter(&buffer.image());
        painter.setFont(*font);
        QCOMPARE(qRound(QFontInfo(painter.font()).pixelSize() * 1.0), 11);
    }

    // A missing family (also one cut to 49 characters) gives the generic
    // sans-serif family, never a look-alike the font matcher picks.
    void missingFamilyFallsBackToSansSerif() {
        const QString sans = QFontInfo(QFont(QStringLiteral("sans-serif"))).family();
        const std::optional<QFont> font = MakeFont(QStringLiteral("No Such Family 123"), 9.0f);
        QVERIFY(font.has_value());
        QCOMPARE(font->family(), sans);
        const std::optional<QFont> cut = MakeFont(QStringLiteral("DejaVu Seri"), 9.0f);
        QCOMPARE(cut->family(), sans);
        QVERIFY(QFontDatabase::families().contains(sans));
    }

    void sizeThatMakesNoFontDrawsNoText() {
        QVERIFY(!MakeFont(QStringLiteral("DejaVu Sans"), 0.0f).has_value());
        QVERIFY(!MakeFont(QStringLiteral("DejaVu Sans"), -3.0f).has_value());
        PixelBuffer buffer;
        {
            DrawingSurface surface(buffer);
            surface.DrawCentredText(QStringLiteral("12"), MakeFont(QString(), 0.0f),
                                    QPointF(64, 64), 0xFF000000u);
        }
        QCOMPARE(CoverageOf(buffer).area, 0.0);
    }

    // Sizes far beyond the window (the file holds any 32-bit number) are
    // capped, so that a glyph is never rasterised at millions of pixels.
    void hugeFontSizesAreCapped() {
        const std::optional<QFont> font = MakeFont(QStringLiteral("DejaVu Sans"), 429496729.5f);
        QVERIFY(font.has_value());
        QCOMPARE(font->pointSizeF(), 1000.0);
        PixelBuffer buffer;
        {
            DrawingSurface surface(buffer);
            // A full block: its middle covers the window.
            surface.DrawCentredText(QString(QChar(0x2588)), font, QPointF(64, 64), 0xFF000000u);
        }
        QCOMPARE(PixelAt(buffer, 64, 64), 0xFF000000u);
    }

    // A width below zero (SecWidth 0 with no shadow thickness, less half a
    // pixel) draws the thinnest line, like width 0.
    void negativeWidthDrawsTheThinnestLine() {
        PixelBuffer thinnest;
        PixelBuffer negative;
        {
            DrawingSurface surface(thinnest);
            surface.DrawLine(QPointF(10, 20.5), QPointF(50, 20.5), 0.0f, 0xFF000000u);
        }
        {
            DrawingSurface surface(negative);
            surface.DrawLine(QPointF(10, 20.5), QPointF(50, 20.5), -0.5f, 0xFF000000u);
        }
        QVERIFY(CoverageOf(thinnest).area >= 40.0);
        QCOMPARE(negative.image(), thinnest.image());
    }

    void undecodableImagesAreEmpty() {
        QTemporaryDir folder;
        const QString garbage = folder.filePath(QStringLiteral("garbage.png"));
        QFile file(garbage);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\x89PNG but not really");
        file.close();
        for (const QString& path :
             {QString(), folder.filePath(QStringLiteral("missing.png")), garbage, folder.path()}) {
            const QImage image = DecodeImage(path);
            QVERIFY(image.isNull());
            QCOMPARE(image.size(), QSize(0, 0));
            PixelBuffer buffer;
            {
                DrawingSurface surface(buffer);
                surface.DrawImage(image, QRectF(0, 0, 128, 128));
                surface.DrawImagePoints(image, QPointF(0, 0), QPointF(10, 0), QPointF(0, 10),
                                        QRectF(0, 0, 1, 1));
            }
            QCOMPARE(CoverageOf(buffer).area, 0.0);
        }
    }

    void decodedImagesKeepTheirAlpha() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("half.png"));
        QVERIFY(SolidImage(3, 2, 0x80FF0000u).save(path));
        const QImage image = DecodeImage(path);
        QCOMPARE(image.size(), QSize(3, 2));
        QCOMPARE(qAlpha(image.pixel(1, 1)), 0x80);
    }

    // Clearing ignores the origin; translation shifts later drawing.
    void clearAndTranslate() {
        PixelBuffer buffer;
        buffer.image().fill(0xFFFFFFFFu);
        {
            DrawingSurface surface(buffer);
            surface.Translate(30, 40);
            surface.Clear();
            surface.FillRect(QRect(0, 0, 2, 2), 0xFF00FF00u);
        }
        QCOMPARE(PixelAt(buffer, 0, 0), 0u);
        QCOMPARE(PixelAt(buffer, 127, 127), 0u);
        QCOMPARE(PixelAt(buffer, 30, 40), 0xFF00FF00u);
        QCOMPARE(CoverageOf(buffer).area, 4.0);
    }

    // Square caps go on half the width past each end.
    void squareCapsExtendTheLine() {
        PixelBuffer buffer;
        {
            DrawingSurface surface(buffer);
            surface.DrawLine(QPointF(20, 50), QPointF(40, 50), 4.0f, 0xFF0000FFu);
        }
        // x from 18 to 42, y from 48 to 52.
        QCOMPARE(CoverageOf(buffer).area, 24.0 * 4.0);
        QCOMPARE(PixelAt(buffer, 18, 48), 0xFF0000FFu);
        QCOMPARE(PixelAt(buffer, 41, 51), 0xFF0000FFu);
        QCOMPARE(PixelAt(buffer, 17, 50), 0u);
        QCOMPARE(PixelAt(buffer, 42, 50), 0u);
    }

    // A half-transparent colour composites source-over, shape after shape:
    // where two shadows cross the buffer is darker than under one.
    void halfTransparentShapesCompositeSourceOver() {
        PixelBuffer buffer;
        {
            DrawingSurface surface(buffer);
            surface.SetSmoothing(true);
            surface.Translate(64.5f, 64.5f);
            surface.DrawLine(QPointF(-30, 0), QPointF(30, 0), 5.0f, 0x66000000u);
            surface.DrawLine(QPointF(0, -30), QPointF(0, 30), 5.0f, 0x66000000u);
            surface.FillEllipse(QRectF(-50, -50, 10, 10), 0x80FF0000u);
            surface.FillRect(QRect(20, 20, 10, 10), 0x00FFFFFFu); // transparent: nothing
        }
        QCOMPARE(PixelAt(buffer, 44, 64), 0x66000000u);
        QCOMPARE(PixelAt(buffer, 64, 44), 0x66000000u);
        const int crossed = AlphaAt(buffer, 64, 64);
        QVERIFY2(qAbs(crossed - (102 + 102 * 153 / 255)) <= 1,
                 qPrintable(QString::number(crossed)));
        QCOMPARE(PixelAt(buffer, 19, 19), 0x80800000u);
        QCOMPARE(PixelAt(buffer, 90, 90), 0u);
        // Width 5 over 60 + 5 pixels, twice: 600 pixels under one shadow and
        // the 25 of the crossing under both.
        const Coverage lines = CoverageOf(buffer, QRect(30, 30, 70, 70));
        QVERIFY(qAbs(lines.area * 255 - (600 * 102 + 25 * 163)) < 255.0);
    }

    // The source rectangle's corners go to the three points; a mirrored
    // parallelogram mirrors the picture.
    void imageOntoAParallelogram() {
        QImage image(20, 10, QImage::Format_ARGB32);
        image.fill(0xFF0000FFu);
        for (int y = 0; y < 10; ++y) {
            for (int x = 10; x < 20; ++x) {
                image.setPixel(x, y, 0xFFFF0000u); // right half red
            }
        }
        PixelBuffer buffer;
        {
            DrawingSurface surface(buffer);
            // Source (10, 0, 10, 10), the red half, turned a quarter clockwise:
            // its top edge runs down from (80, 20) to (80, 60), its left edge
            // runs left to (40, 20).
            surface.DrawImagePoints(image, QPointF(80, 20), QPointF(80, 60), QPointF(40, 20),
                                    QRectF(10, 0, 10, 10));
        }
        QCOMPARE(PixelAt(buffer, 60, 40), 0xFFFF0000u);
        QCOMPARE(PixelAt(buffer, 42, 22), 0xFFFF0000u);
        QCOMPARE(PixelAt(buffer, 78, 58), 0xFFFF0000u);
        QCOMPARE(AlphaAt(buffer, 60, 62), 0);
        QCOMPARE(AlphaAt(buffer, 82, 40), 0);
        QCOMPARE(CoverageOfColour(buffer, 0x0000FFu).area, 0.0);
        QVERIFY(qAbs(CoverageOf(buffer).area - 1600.0) < 2.0);
    }

    // With high-quality filtering a picture drawn at a quarter of its size
    // averages its pixels instead of picking some of them.
    void highQualityFilteringAveragesReductions() {
        QImage stripes(128, 128, QImage::Format_ARGB32);
        for (int y = 0; y < 128; ++y) {
            for (int x = 0; x < 128; ++x) {
                stripes.setPixel(x, y, (x % 4) == 0 ? 0xFFFFFFFFu : 0xFF000000u);
            }
        }
        const auto drawnGrey = [&stripes](bool highQuality) {
            PixelBuffer buffer;
            {
                DrawingSurface surface(buffer);
                surface.SetHighQualityFiltering(highQuality);
                surface.DrawImage(stripes, QRectF(0, 0, 32, 32));
            }
            int lowest = 255;
            int highest = 0;
            for (int x = 2; x < 30; ++x) {
                const int grey = static_cast<int>(PixelAt(buffer, x, 16) & 0xFF);
                lowest = std::min(lowest, grey);
                highest = std::max(highest, grey);
            }
            return std::make_pair(lowest, highest);
        };
        const auto [low, high] = drawnGrey(true);
        QVERIFY2(low > 40 && high < 90, qPrintable(QStringLiteral("%1..%2").arg(low).arg(high)));
    }
};

QTEST_MAIN(DrawingLayerTest)
#include "test_drawing_layer.moc"
