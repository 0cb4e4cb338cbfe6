// The colour and font pickers behind the theme editor's panels.
#include "customizer/form/customizer_pickers.h"
#include "support/customizer_fixture.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QTest>
#include <QTimer>

using tikloom::TTikloomCustomizer;

namespace {

const char* const kColorPanels[] = {
    "pnlBackgroundColor", "pnlHourHandColor",   "pnlMinHandColor",
    "pnlSecHandColor",    "pnlMajorTicksColor", "pnlMinorTicksColor",
    "pnlNumbersColor",    "pnlCaptionColor",    "pnlShadowColor"};
const char* const kFontPanels[] = {"pnlNumbersFont", "pnlCaptionFont"};

void Click(QWidget* panel) {
    QTest::mouseClick(panel, Qt::LeftButton, Qt::NoModifier, panel->rect().center());
}

} // namespace

class TestOptionsPickers : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { tikloom::SetPickerDialogRunner({}); }

    void colourDialogStartsOnThePanelAndSetsIt() {
        CustomizerFixture f;
        for (const char* name : kColorPanels) {
            QWidget* panel = f.Find<QWidget>(name);
            QVERIFY2(panel != nullptr, name);
            TTikloomCustomizer::SetPanelColor(panel, QColor(10, 20, 30));
            QColor offered;
            tikloom::SetPickerDialogRunner([&](QDialog& dialog) {
                auto& colours = dynamic_cast<QColorDialog&>(dialog);
                offered = colours.currentColor();
                colours.setCurrentColor(QColor(200, 100, 50));
                return int(QDialog::Accepted);
            });
            Click(panel);
            QCOMPARE(offered, QColor(10, 20, 30));
            QCOMPARE(TTikloomCustomizer::PanelColor(panel), QColor(200, 100, 50));
        }
    }

    void cancelledColourDialogChangesNothing() {
        CustomizerFixture f;
        QWidget* panel = f.Find<QWidget>("pnlShadowColor");
        TTikloomCustomizer::SetPanelColor(panel, QColor(1, 2, 3));
        tikloom::SetPickerDialogRunner([](QDialog& dialog) {
            dynamic_cast<QColorDialog&>(dialog).setCurrentColor(Qt::green);
            return int(QDialog::Rejected);
        });
        Click(panel);
        QCOMPARE(TTikloomCustomizer::PanelColor(panel), QColor(1, 2, 3));
    }

    void chosenFontLosesItsStyle() {
        CustomizerFixture f;
        for (const char* name : kFontPanels) {
            QWidget* panel = f.Find<QWidget>(name);
            QVERIFY2(panel != nullptr, name);
            TTikloomCustomizer::SetPanelFont(panel, QFont(QStringLiteral("DejaVu Sans"), 9));
            QFont offered;
            tikloom::SetPickerDialogRunner([&](QDialog& dialog) {
                auto& fonts = dynamic_cast<QFontDialog&>(dialog);
                offered = fonts.currentFont();
                QFont chosen(QStringLiteral("DejaVu Serif"), 14, QFont::Bold, true);
                chosen.setUnderline(true);
                fonts.setCurrentFont(chosen);
                return int(QDialog::Accepted);
            });
            Click(panel);
            QCOMPARE(offered.family(), QStringLiteral("DejaVu Sans"));
            QCOMPARE(offered.pointSize(), 9);
            const QFont result = TTikloomCustomizer::PanelFont(panel);
            QCOMPARE(result.family(), QStringLiteral("DejaVu Serif"));
            QCOMPARE(result.pointSize(), 14);
            QVERIFY(!result.bold());
            QVERIFY(!result.italic());
            QVERIFY(!result.underline());
            QVERIFY(!panel->font().bold());
        }
    }

    void fontNotInstalledIsKeptUnlessAnotherIsPicked() {
        CustomizerFixture f;
        f.WriteTheme(QStringLiteral("t"),
                     "[Font]\nCaptionFontName=No Such Face Installed\nCaptionFontSize=0\n");
        f.WriteSettings("[Theme]\nFileName=t.tkm\n");
        QWidget* panel = f.Find<QWidget>("pnlCaptionFont");
        bool effectsShown = true;
        // OK without a change: the dialog offers its fallback face, which is not stored.
        tikloom::SetPickerDialogRunner([&](QDialog& dialog) {
            effectsShown = false;
            for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
                effectsShown = effectsShown || box->isVisibleTo(&dialog);
            return int(QDialog::Accepted);
        });
        Click(panel);
        QVERIFY(!effectsShown);
        f.Form().cmdSaveThemeClick();
        QByteArray saved = CustomizerFixture::ReadFile(f.ThemePath(QStringLiteral("t")));
        QVERIFY2(saved.contains("CaptionFontName=No Such Face Installed"), saved.constData());
        QVERIFY2(saved.contains("CaptionFontSize=0"), saved.constData());

        // A face the user picks replaces it.
        tikloom::SetPickerDialogRunner([](QDialog& dialog) {
            dynamic_cast<QFontDialog&>(dialog).setCurrentFont(
                QFont(QStringLiteral("DejaVu Serif"), 14));
            return int(QDialog::Accepted);
        });
        Click(panel);
        f.Form().cmdSaveThemeClick();
        saved = CustomizerFixture::ReadFile(f.ThemePath(QStringLiteral("t")));
        QVERIFY2(saved.contains("CaptionFontName=DejaVu Serif"), saved.constData());
        QVERIFY2(saved.contains("CaptionFontSize=140"), saved.constData());
    }

    void cancelledFontDialogChangesNothing() {
        CustomizerFixture f;
        QWidget* panel = f.Find<QWidget>("pnlCaptionFont");
        TTikloomCustomizer::SetPanelFont(panel, QFont(QStringLiteral("DejaVu Sans"), 11));
        tikloom::SetPickerDialogRunner([](QDialog& dialog) {
            dynamic_cast<QFontDialog&>(dialog).setCurrentFont(
                QFont(QStringLiteral("DejaVu Serif"), 20));
            return int(QDialog::Rejected);
        });
        Click(panel);
        QCOMPARE(TTikloomCustomizer::PanelFont(panel).family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(TTikloomCustomizer::PanelFont(panel).pointSize(), 11);
    }

    // The real dialog, closed by a timer, as a user cancelling it.
    void realColourDialogCanBeCancelled() {
        CustomizerFixture f;
        QWidget* panel = f.Find<QWidget>("pnlCaptionColor");
        TTikloomCustomizer::SetPanelColor(panel, QColor(5, 6, 7));
        bool seen = false;
        QTimer::singleShot(50, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* dialog = qobject_cast<QColorDialog*>(w); dialog && dialog->isVisible()) {
                    seen = dialog->currentColor() == QColor(5, 6, 7);
                    dialog->reject();
                }
            }
        });
        Click(panel);
        QVERIFY(seen);
        QCOMPARE(TTikloomCustomizer::PanelColor(panel), QColor(5, 6, 7));
    }
};

QTEST_MAIN(TestOptionsPickers)
#include "test_options_pickers.moc"
