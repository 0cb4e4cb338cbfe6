// The pictures the customizer draws itself: the padlock's two states read
// apart at their real size and nothing of them is cut off at the edges.
#include "customizer/form/form_icons.h"

#include <QImage>
#include <QTest>

namespace {

constexpr int kGlyph = 16;

QImage Padlock(QIcon::State state) {
    return tikloom::PadlockIcon()
        .pixmap(QSize(kGlyph, kGlyph), QIcon::Normal, state)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

// Pixels covered at least half on the outermost rows and columns: a drawing
// that runs past the edge leaves them covered where it is cut.
int CoveredEdgePixels(const QImage& image) {
    int covered = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool edge = x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
            covered += edge && qAlpha(image.pixel(x, y)) >= 128;
        }
    return covered;
}

} // namespace

class TestFormIcons : public QObject {
    Q_OBJECT

private slots:
    void padlockStatesLieWhollyInsideTheIcon() {
        for (const QIcon::State state : {QIcon::Off, QIcon::On}) {
            const QImage image = Padlock(state);
            QCOMPARE(image.size(), QSize(kGlyph, kGlyph));
            QCOMPARE(CoveredEdgePixels(image), 0);
        }
    }

    void openAndClosedPadlocksReadApart() {
        const QImage open = Padlock(QIcon::Off);
        const QImage closed = Padlock(QIcon::On);
        // Pixels solid in one state and clear in the other.
        int differing = 0;
        for (int y = 0; y < kGlyph; ++y)
            for (int x = 0; x < kGlyph; ++x)
                differing += qAbs(qAlpha(open.pixel(x, y)) - qAlpha(closed.pixel(x, y))) >= 128;
        QVERIFY2(differing >= 12, qPrintable(QString::number(differing)));
        // The open shackle stands free to the right of the body; the closed one does not.
        int openRight = 0;
        int closedRight = 0;
        for (int y = 0; y < 8; ++y) {
            openRight += qAlpha(open.pixel(14, y)) >= 128;
            closedRight += qAlpha(closed.pixel(14, y)) >= 128;
        }
        QVERIFY(openRight >= 3);
        QCOMPARE(closedRight, 0);
    }
};

QTEST_MAIN(TestFormIcons)
#include "test_form_icons.moc"
