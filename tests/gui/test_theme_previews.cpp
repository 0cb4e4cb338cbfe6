// The image previews: switches, placement guides, picking and emptying images.
#include "common/profile_file.h"
#include "customizer/form/paint_box.h"
#include "support/customizer_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using tikloom::PaintBox;

namespace {

const QColor kVeilOverWhite = QColor(0x8F, 0x8F, 0x8F); // EE888888 over white, about

// A square image of one colour, written into the program folder.
void WriteImage(CustomizerFixture& f, const QString& relativePath, const QColor& colour,
                int side = 16) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    const QString path = f.Folder() + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(image.save(path));
}

QImage Grab(PaintBox* box) {
    return box->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool Near(QColor a, QColor b, int tolerance = 12) {
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

void SetBox(CustomizerFixture& f, int left, int top, int width, int height) {
    f.Find<QSpinBox>("txtBackgroundImageLeft")->setValue(left);
    f.Find<QSpinBox>("txtBackgroundImageTop")->setValue(top);
    f.Find<QSpinBox>("txtBackgroundImageWidth")->setValue(width);
    f.Find<QSpinBox>("txtBackgroundImageHeight")->setValue(height);
}

// Columns of row y whose colour is the image's (pure green).
QList<int> GreenColumns(const QImage& image, int y) {
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        if (Near(image.pixelColor(x, y), Qt::green, 40))
            columns << x;
    return columns;
}

QList<int> GreenRows(const QImage& image, int x) {
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (Near(image.pixelColor(x, y), Qt::green, 40))
            rows << y;
    return rows;
}

} // namespace

class TestThemePreviews : public QObject {
    Q_OBJECT

private slots:
    void switchesVeilPreviewsAndDisableOpenButtons() {
        CustomizerFixture f;
        WriteImage(f, QStringLiteral("Themes/default_mask.png"), Qt::white);
        f.Form();
        auto* use = f.Find<QCheckBox>("chkUseMaskImage");
        auto* preview = f.Find<PaintBox>("pbMaskImage");
        auto* open = f.Find<QPushButton>("cmdMaskImageOpen");
        QVERIFY(use->isChecked());
        QVERIFY(preview->isEnabled());
        QVERIFY(open->isEnabled());
        QVERIFY(Near(Grab(preview).pixelColor(64, 64), Qt::white, 2));

        QTest::mouseClick(use, Qt::LeftButton, Qt::NoModifier, QPoint(4, 8));
        QVERIFY(!preview->isEnabled());
        QVERIFY(!open->isEnabled());
        QVERIFY(Near(Grab(preview).pixelColor(64, 64), kVeilOverWhite));

        // Hands: Lines greys the preview and its button, Image enables both.
        auto* hands = f.Find<PaintBox>("pbHandsImage");
        QVERIFY(f.Find<QRadioButton>("grpHandsTypeLines")->isChecked());
        QVERIFY(!hands->isEnabled());
        QVERIFY(!f.Find<QPushButton>("cmdHandsImageOpen")->isEnabled());
        QTest::mouseClick(f.Find<QRadioButton>("grpHandsTypeImage"), Qt::LeftButton, Qt::NoModifier,
                          QPoint(4, 8));
        QVERIFY(hands->isEnabled());
        QVERIFY(f.Find<QPushButton>("cmdHandsImageOpen")->isEnabled());
        // The background preview has no switch.
        QVERIFY(f.Find<QPushButton>("cmdBackgroundImageOpen")->isEnabled());
    }

    void defaultPlacementGuides() {
        CustomizerFixture f;
        f.Form();
        const QImage image = Grab(f.Find<PaintBox>("pbBackgroundImage"));
        // Box 8, 8, 105 x 105: guides at 7 and 113 in both directions.
        const int y = 50; // a row where no horizontal guide runs
        for (const int x : {7, 113})
            QVERIFY2(image.pixelColor(x, y).blue() > image.pixelColor(x, y).red() + 40,
                     qPrintable(QStringLiteral("no guide at x=%1").arg(x)));
        for (const int x : {6, 8, 112, 114})
            QVERIFY2(qAbs(image.pixelColor(x, y).blue() - image.pixelColor(x, y).red()) < 10,
                     qPrintable(QStringLiteral("stray guide at x=%1").arg(x)));
        for (const int gy : {7, 113})
            QVERIFY(image.pixelColor(50, gy).blue() > image.pixelColor(50, gy).red() + 40);
    }

    void aZeroWidthCountsAsOnePixel() {
        CustomizerFixture f;
        f.Form();
        SetBox(f, 300, 80, 0, 1050);
        const QImage image = Grab(f.Find<PaintBox>("pbBackgroundImage"));
        const int y = 50;
        QVERIFY(image.pixelColor(29, y).blue() > image.pixelColor(29, y).red() + 40);
        QVERIFY(image.pixelColor(31, y).blue() > image.pixelColor(31, y).red() + 40);
    }

    void keptAspectRatioCoversTheBox() {
        CustomizerFixture f;
        WriteImage(f, QStringLiteral("Themes/square.png"), Qt::green);
        f.WriteTheme(QStringLiteral("sq"), "[Background]\nImageFile=Themes\\square.png\n");
        f.WriteSettings("[Theme]\nFileName=sq.tkm\n");
        f.Form();
        auto* preview = f.Find<PaintBox>("pbBackgroundImage");
        // A box of 100 x 50 preview pixels at 10, 40.
        SetBox(f, 100, 400, 1000, 500);
        QImage image = Grab(preview);
        // Drawn 100 x 100, centred vertically: rows 15 to 114.
        QList<int> rows = GreenRows(image, 60);
        QVERIFY(rows.size() >= 98 && rows.size() <= 101);
        QVERIFY(qAbs(rows.first() - 15) <= 1);
        QVERIFY(qAbs(GreenColumns(image, 60).size() - 100) <= 2);

        QTest::mouseClick(f.Find<QCheckBox>("chkBackgroundKeepAspectRatio"), Qt::LeftButton,
                          Qt::NoModifier, QPoint(4, 8));
        image = Grab(preview);
        rows = GreenRows(image, 60);
        QVERIFY2(rows.size() >= 48 && rows.size() <= 51, qPrintable(QString::number(rows.size())));
        QVERIFY(qAbs(rows.first() - 40) <= 1);
    }

    void pickingImagesStoresRelativeOrFullPaths() {
        CustomizerFixture f;
        WriteImage(f, QStringLiteral("Themes/inside.png"), Qt::green);
        QTemporaryDir elsewhere;
        const QString outside = elsewhere.path() + QStringLiteral("/outside.png");
        QImage(4, 4, QImage::Format_ARGB32).save(outside);
        f.Form();

        f.NextImageFile = f.Folder() + QStringLiteral("Themes/inside.png");
        f.Find<QPushButton>("cmdBackgroundImageOpen")->click();
        QCOMPARE(f.Find<PaintBox>("pbBackgroundImage")->ImagePath(),
                 QStringLiteral("Themes\\inside.png"));
        QVERIFY(
            Near(Grab(f.Find<PaintBox>("pbBackgroundImage")).pixelColor(60, 60), Qt::green, 40));

        f.NextImageFile = outside;
        f.Find<QPushButton>("cmdMaskImageOpen")->click();
        QCOMPARE(f.Find<PaintBox>("pbMaskImage")->ImagePath(), outside);

        // A cancelled dialog changes nothing.
        f.NextImageFile.clear();
        f.Find<QPushButton>("cmdMaskImageOpen")->click();
        QCOMPARE(f.Find<PaintBox>("pbMaskImage")->ImagePath(), outside);
    }

    void doubleClickEmptiesTheSlot() {
        CustomizerFixture f;
        f.WriteTheme(QStringLiteral("m"), "");
        f.WriteSettings("[Theme]\nFileName=m.tkm\n");
        f.Form();
        // The double-click lands on the preview and reaches the panel around it.
        QTest::mouseDClick(f.Find<PaintBox>("pbMaskImage"), Qt::LeftButton, Qt::NoModifier,
                           QPoint(60, 60));
        QCOMPARE(f.Find<PaintBox>("pbMaskImage")->ImagePath(), QString());
        QCOMPARE(f.Beeps, 1);
        f.Find<QPushButton>("cmdSaveTheme")->click();
        QCOMPARE(tikloom::ReadProfileString(f.ThemePath(QStringLiteral("m")),
                                            QStringLiteral("Background"),
                                            QStringLiteral("MaskFile"), QStringLiteral("<absent>"),
                                            tikloom::kCustomizerTextCapacity),
                 QString());
    }
};

QTEST_MAIN(TestThemePreviews)
#include "test_theme_previews.moc"
