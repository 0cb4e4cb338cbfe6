// Pixel buffers: a fresh buffer, copying, premultiplying and the mask cut.

#include "clock/core/pixel_buffer.h"

#include <QtTest>

using namespace tikloom;

namespace {

uint32_t Argb(uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}

} // namespace

class PixelBufferTest : public QObject {
    Q_OBJECT

private slots:
    void newBufferIsZeroedAt96Dpi() {
        PixelBuffer buffer;
        QCOMPARE(buffer.image().size(), QSize(kClockSize, kClockSize));
        QCOMPARE(buffer.image().format(), QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(buffer.image().logicalDpiX(), 96);
        QCOMPARE(buffer.image().logicalDpiY(), 96);
        for (int i = 0; i < kClockPixels; ++i) {
            QCOMPARE(buffer.bits()[i], 0u);
        }
    }

    void pixelsFormOneArrayInImageOrder() {
        PixelBuffer buffer;
        buffer.bits()[kClockSize * 3 + 5] = 0xFF112233u;
        QCOMPARE(buffer.image().pixel(5, 3), 0xFF112233u);
        QCOMPARE(buffer.bits()[kClockPixels - 1], 0u);
        buffer.bits()[kClockPixels - 1] = 0x80402010u;
        QCOMPARE(buffer.image().constScanLine(kClockSize - 1)[4 * (kClockSize - 1) + 3],
                 uchar(0x80));
    }

    void copyPixelsCopiesEveryPixel() {
        PixelBuffer source;
        PixelBuffer target;
        for (int i = 0; i < kClockPixels; ++i) {
            source.bits()[i] = static_cast<uint32_t>(i) * 2654435761u;
            target.bits()[i] = 0xDEADBEEFu;
        }
        CopyPixels(target, source);
        for (int i = 0; i < kClockPixels; ++i) {
            QCOMPARE(target.bits()[i], source.bits()[i]);
        }
        // The source keeps its own pixels: the copy is not shared.
        target.bits()[0] = 1;
        QCOMPARE(source.bits()[0], 0u);
    }

    void premultiplyTruncatesEveryColourByte() {
        PixelBuffer buffer;
        buffer.bits()[0] = Argb(128, 255, 191, 1);   // 128, 95.87, 0.50
        buffer.bits()[1] = Argb(200, 100, 254, 255); // 78.43, 199.2, 200
        buffer.bits()[2] = Argb(0, 255, 255, 255);
        buffer.bits()[kClockPixels - 1] = Argb(255, 7, 8, 9);
        Premultiply(buffer);
        QCOMPARE(buffer.bits()[0], Argb(128, 128, 95, 0));
        QCOMPARE(buffer.bits()[1], Argb(200, 78, 199, 200));
        QCOMPARE(buffer.bits()[2], 0u);
        QCOMPARE(buffer.bits()[kClockPixels - 1], Argb(255, 7, 8, 9));
    }

    void maskRedBecomesAlphaThenPremultiplies() {
        PixelBuffer face;
        PixelBuffer mask;
        face.bits()[0] = Argb(255, 255, 255, 255);
        mask.bits()[0] = Argb(255, 128, 0, 0); // red 128: half opaque
        face.bits()[1] = Argb(255, 191, 100, 3);
        mask.bits()[1] = Argb(255, 128, 255, 255);
        face.bits()[2] = Argb(255, 255, 255, 255);
        mask.bits()[2] = Argb(255, 0, 255, 0); // pure green counts as transparent
        face.bits()[3] = Argb(255, 255, 255, 255);
        mask.bits()[3] = Argb(255, 0, 0, 255); // pure blue too
        face.bits()[4] = Argb(0, 0, 0, 0);
        mask.bits()[4] = Argb(255, 255, 255, 255); // nothing drawn: opaque black
        face.bits()[kClockPixels - 1] = Argb(10, 10, 10, 10);
        mask.bits()[kClockPixels - 1] = Argb(255, 255, 0, 0);

        ApplyMask(face, mask);

        QCOMPARE(face.bits()[0], Argb(128, 128, 128, 128));
        QCOMPARE(face.bits()[1], Argb(128, 95, 50, 1));
        QCOMPARE(face.bits()[2], 0u);
        QCOMPARE(face.bits()[3], 0u);
        QCOMPARE(face.bits()[4], Argb(255, 0, 0, 0));
        QCOMPARE(face.bits()[kClockPixels - 1], Argb(255, 10, 10, 10));
        QCOMPARE(face.bits()[5], 0u); // zero mask: transparent
        // The mask itself is left alone.
        QCOMPARE(mask.bits()[0], Argb(255, 128, 0, 0));
    }
};

QTEST_GUILESS_MAIN(PixelBufferTest)
#include "test_pixel_buffer.moc"
