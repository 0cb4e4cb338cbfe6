// The form's layout: fixed client area, control geometry, texts that fit, and
// a picture of every page (written next to the test binary for review).
#include "support/customizer_fixture.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {

void SavePicture(QWidget& form, const QString& name) {
    QCoreApplication::processEvents();
    const QString path =
        QStringLiteral(TIKLOOM_TEST_BINARY_DIR) + QStringLiteral("/customizer_%1.png").arg(name);
    QVERIFY(form.grab().save(path));
    qInfo("page picture: %s", qPrintable(path));
}

} // namespace

class TestThemeFormPages : public QObject {
    Q_OBJECT

private slots:
    void windowHasTheFixedClientArea() {
        CustomizerFixture f;
        auto& form = f.Form();
        QCOMPARE(form.size(), QSize(754, 541));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(form.windowTitle(), QStringLiteral("Tikloom Customizer"));
    }

    void controlsSitWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("pageMain") << "pageMain" << QRect(8, 8, 737, 521);
        QTest::newRow("lbThemeList") << "lbThemeList" << QRect(8, 24, 113, 425);
        QTest::newRow("cmdOpenThemeFolder") << "cmdOpenThemeFolder" << QRect(8, 456, 115, 25);
        QTest::newRow("grpThemeSettings") << "grpThemeSettings" << QRect(128, 8, 593, 473);
        QTest::newRow("txtThemeName") << "txtThemeName" << QRect(128, 24, 289, 21);
        QTest::newRow("cmdSaveTheme") << "cmdSaveTheme" << QRect(424, 24, 75, 23);
        QTest::newRow("pageThemeSettings") << "pageThemeSettings" << QRect(8, 64, 577, 401);
        QTest::newRow("grpMaskImage") << "grpMaskImage" << QRect(0, 168, 233, 177);
        QTest::newRow("grpHandsImage") << "grpHandsImage" << QRect(376, 0, 193, 129);
        QTest::newRow("grpTicks") << "grpTicks" << QRect(192, 184, 377, 161);
        QTest::newRow("grpTransparency") << "grpTransparency" << QRect(0, 280, 185, 89);
        QTest::newRow("pnlCaptionFont") << "pnlCaptionFont" << QRect(8, 160, 169, 25);
        QTest::newRow("pbBackgroundImage") << "pbBackgroundImage" << QRect(1, 1, 128, 128);
        QTest::newRow("pbHandsImage") << "pbHandsImage" << QRect(1, 1, 96, 96);
        QTest::newRow("grpAbout") << "grpAbout" << QRect(8, 328, 713, 129);
        QTest::newRow("txtHotkey") << "txtHotkey" << QRect(304, 24, 41, 21);
    }
    void controlsSitWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        CustomizerFixture f;
        auto* control = f.Form().findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), geometry);
    }

    void numericBoxesStepByFiveAndWrap() {
        CustomizerFixture f;
        const QList<QSpinBox*> boxes = f.Form().findChildren<QSpinBox*>();
        QCOMPARE(boxes.size(), 35);
        for (const QSpinBox* box : boxes) {
            QCOMPARE(box->singleStep(), 5);
            QVERIFY(box->wrapping());
        }
        QCOMPARE(f.Find<QSpinBox>("txtCaptionLeft")->minimum(), -1280);
        QCOMPARE(f.Find<QSpinBox>("txtShadowOffsetY")->maximum(), 100);
        QCOMPARE(f.Find<QSpinBox>("txtSecHandWidth")->maximum(), 200);
        QCOMPARE(f.Find<QSpinBox>("txtNumbersRadius")->maximum(), 150);
    }

    void textsFitTheirControls() {
        CustomizerFixture f;
        auto& form = f.Form();
        QStringList clipped;
        for (const QLabel* label : form.findChildren<QLabel*>())
            if (!label->text().isEmpty() && label->sizeHint().width() > label->width())
                clipped << label->objectName();
        // Check boxes and radio buttons need their indicator too; push buttons
        // only room for the text inside their frame.
        for (const QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
            if (button->text().isEmpty())
                continue;
            const bool framed = qobject_cast<const QPushButton*>(button) != nullptr;
            const int needed = framed ? button->fontMetrics().horizontalAdvance(
                                            QString(button->text()).remove(QLatin1Char('&'))) +
                                            8
                                      : button->sizeHint().width();
            if (needed > button->width())
                clipped << button->objectName();
        }
        for (const QGroupBox* group : form.findChildren<QGroupBox*>())
            if (group->fontMetrics().horizontalAdvance(group->title()) + 16 > group->width())
                clipped << group->objectName();
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1String(", "))));
    }

    void picturesOfEveryPage() {
        CustomizerFixture f;
        auto& form = f.Form();
        auto* main = f.Find<QTabWidget>("pageMain");
        auto* theme = f.Find<QTabWidget>("pageThemeSettings");
        const QStringList themePages = {"theme_background", "theme_hands", "theme_others"};
        for (int i = 0; i < themePages.size(); ++i) {
            main->setCurrentIndex(0);
            theme->setCurrentIndex(i);
            SavePicture(form, themePages[i]);
        }
        main->setCurrentIndex(1);
        SavePicture(form, QStringLiteral("options"));
    }
};

QTEST_MAIN(TestThemeFormPages)
#include "test_theme_form_pages.moc"
