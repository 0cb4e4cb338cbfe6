// The rectangle of a frame that changed since the one before.

#include "clock/core/frame_change.h"

#include <QtTest>

using namespace tikloom;

namespace {

QImage Frame(QRgb fill = qRgba(10, 20, 30, 255)) {
    QImage image(128, 128, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

} // namespace

class FrameChangeTest : public QObject {
    Q_OBJECT

private slots:
    void sameFrameChangesNothing() {
        const QImage a = Frame();
        QVERIFY(ChangedArea(a, a.copy()).isEmpty());
    }

    void boundsOfScatteredChanges() {
        const QImage before = Frame();
        QImage after = before.copy();
        after.setPixel(5, 90, qRgba(0, 0, 0, 0));
        after.setPixel(70, 12, qRgba(1, 2, 3, 4));
        after.setPixel(100, 40, qRgba(255, 0, 0, 255));
        QCOMPARE(ChangedArea(before, after), QRect(QPoint(5, 12), QPoint(100, 90)));
    }

    // The first and last pixels of the image, where scans start and stop.
    void changesAtTheCorners() {
        const QImage before = Frame();
        QImage after = before.copy();
        after.setPixel(0, 0, qRgba(0, 0, 0, 0));
        QCOMPARE(ChangedArea(before, after), QRect(0, 0, 1, 1));
        after = before.copy();
        after.setPixel(127, 127, qRgba(0, 0, 0, 0));
        QCOMPARE(ChangedArea(before, after), QRect(127, 127, 1, 1));
        after.setPixel(0, 127, qRgba(0, 0, 0, 0));
        QCOMPARE(ChangedArea(before, after), QRect(0, 127, 128, 1));
    }

    // A hand that moved: the rectangle holds both where it was and where it is.
    void movedHandTakesBothPlaces() {
        QImage before = Frame();
        QImage after = Frame();
        for (int y = 20; y < 64; ++y) {
            before.setPixel(64, y, qRgba(200, 0, 0, 255));
            after.setPixel(64 + (64 - y) / 4, y, qRgba(200, 0, 0, 255));
        }
        // Rows 61 to 63 are the same in both; at row 60 it moved one pixel.
        QCOMPARE(ChangedArea(before, after), QRect(QPoint(64, 20), QPoint(75, 60)));
    }

    void nothingKnownMeansTheWholeFrame() {
        const QImage after = Frame();
        QCOMPARE(ChangedArea(QImage(), after), after.rect());
        QCOMPARE(ChangedArea(Frame().scaled(64, 64), after), after.rect());
        QCOMPARE(ChangedArea(after.convertToFormat(QImage::Format_RGB32), after), after.rect());
    }
};

QTEST_GUILESS_MAIN(FrameChangeTest)
#include "test_frame_change.moc"
