// The theme editor: values shown for a theme file, the name box, and saving.
#include "common/profile_file.h"
#include "customizer/form/paint_box.h"
#include "customizer/helpers/profile_write.h"
#include "support/customizer_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

using tikloom::TTikloomCustomizer;

namespace {

QString Value(const QString& file, const char* section, const char* key) {
    return tikloom::ReadProfileString(file, QString::fromLatin1(section), QString::fromLatin1(key),
                                      QStringLiteral("<absent>"), tikloom::kCustomizerTextCapacity);
}

int Spin(CustomizerFixture& f, const char* name) {
    return f.Find<QSpinBox>(name)->value();
}

QStringList Sections(const QByteArray& text) {
    QStringList sections;
    const QRegularExpression header(QStringLiteral("^\\s*\\[([^\\]]*)\\]"));
    for (const QByteArray& line : text.split('\n')) {
        const auto match = header.match(QString::fromUtf8(line));
        if (match.hasMatch())
            sections << match.captured(1);
    }
    return sections;
}

} // namespace

class TestThemeEditor : public QObject {
    Q_OBJECT

private slots:
    void defaultThemeShowsEveryAbsentValue() {
        CustomizerFixture f;
        auto& form = f.Form();
        QCOMPARE(f.Find<tikloom::PaintBox>("pbBackgroundImage")->ImagePath(),
                 QStringLiteral("Themes\\default.png"));
        QCOMPARE(f.Find<tikloom::PaintBox>("pbHandsImage")->ImagePath(),
                 QStringLiteral("Themes\\default_hands.png"));
        QVERIFY(f.Find<QCheckBox>("chkShowSecShadow")->isChecked());
        QVERIFY(!f.Find<QCheckBox>("chkShowMinShadow")->isChecked());
        QVERIFY(f.Find<QRadioButton>("grpHandsTypeLines")->isChecked());
        QCOMPARE(Spin(f, "txtCaptionTop"), 260);
        QCOMPARE(Spin(f, "txtMinorTicksRadius"), 15);
        QCOMPARE(Spin(f, "txtBackgroundImageWidth"), 1050);
        QCOMPARE(TTikloomCustomizer::PanelColor(f.Find<QWidget>("pnlSecHandColor")),
                 QColor(0xDD, 0x00, 0x00));
        QCOMPARE(Spin(f, "txtSecHandTransparency"), 0);
        QCOMPARE(Spin(f, "txtBackgroundTransparency"), 100);
        QCOMPARE(Spin(f, "txtShadowTransparency"), 60);
        const QFont caption = TTikloomCustomizer::PanelFont(f.Find<QWidget>("pnlCaptionFont"));
        QCOMPARE(caption.family(), QStringLiteral("Georgia"));
        QCOMPARE(caption.pointSize(), 8);
        QCOMPARE(f.Find<QComboBox>("cbCaptionLanguage")->currentText(), QStringLiteral("english"));
        QCOMPARE(f.Find<QComboBox>("cbCaptionFormat")->currentText(), QStringLiteral("%p"));
        QCOMPARE(Spin(f, "txtTransparencyMin"), 80);
        QCOMPARE(Spin(f, "txtTransparencyMax"), 30);
        QVERIFY(form.CurrentThemeName.isEmpty());
    }

    void storedValuesAreConverted() {
        CustomizerFixture f;
        f.WriteTheme(QStringLiteral("t"), "[Color]\nSecColor=12abc\nMinColor=\n"
                                          "HourColor=2147483903\n"
                                          "[Font]\nCaptionFontName=DejaVu Serif\n"
                                          "CaptionFontSize=85\n"
                                          "[Dimension]\nRadius=0x20\nCenterX=12px\nCaptionX=-100\n"
                                          "[Options]\nUseHandsImage=7\nUseMaskImage=0\n"
                                          "[Caption]\nFormat=%x\\n%X\n"
                                          "[Transparency]\nMin=20\nMax=70\n");
        f.WriteSettings("[Theme]\nFileName=t.tkm\n");
        f.Form();
        QCOMPARE(TTikloomCustomizer::PanelColor(f.Find<QWidget>("pnlSecHandColor")),
                 QColor(0, 0, 12));
        QCOMPARE(Spin(f, "txtSecHandTransparency"), 100);
        QCOMPARE(TTikloomCustomizer::PanelColor(f.Find<QWidget>("pnlMinHandColor")),
                 QColor(Qt::black));
        QCOMPARE(Spin(f, "txtMinHandTransparenc"), 100);
        QCOMPARE(Spin(f, "txtHourHandTransparency"), 50); // alpha 0x80
        QCOMPARE(TTikloomCustomizer::PanelFont(f.Find<QWidget>("pnlCaptionFont")).pointSize(), 8);
        QCOMPARE(Spin(f, "txtClockRadius"), 32);   // hexadecimal behind 0x
        QCOMPARE(Spin(f, "txtClockCenterX"), 600); // not a number: the absent value
        QCOMPARE(Spin(f, "txtCaptionLeft"), -100);
        QVERIFY(f.Find<QRadioButton>("grpHandsTypeImage")->isChecked());
        QVERIFY(!f.Find<QCheckBox>("chkUseMaskImage")->isChecked());
        QCOMPARE(f.Find<QComboBox>("cbCaptionFormat")->currentText(), QStringLiteral("%x\\n%X"));
        QCOMPARE(Spin(f, "txtTransparencyMin"), 80);
        QCOMPARE(Spin(f, "txtTransparencyMax"), 30);

        // Saving writes what the controls hold.
        f.Find<QSpinBox>("txtTransparencyMin")->setValue(75);
        f.Find<QPushButton>("cmdSaveTheme")->click();
        const QString file = f.ThemePath(QStringLiteral("t"));
        QCOMPARE(Value(file, "Transparency", "Min"), QStringLiteral("25"));
        QCOMPARE(Value(file, "Font", "CaptionFontSize"), QStringLiteral("80"));
        QCOMPARE(Value(file, "Font", "CaptionFontName"), QStringLiteral("DejaVu Serif"));
        QCOMPARE(Value(file, "Color", "SecColor"), QStringLiteral("0000000012"));
        // 50 % is written with alpha 127.
        QCOMPARE(Value(file, "Color", "HourColor"), QStringLiteral("2130706687"));
        QCOMPARE(Value(file, "Dimension", "Radius"), QStringLiteral("32"));
        QCOMPARE(Value(file, "Dimension", "CaptionX"), QStringLiteral("-100"));
        QCOMPARE(Value(file, "Options", "UseHandsImage"), QStringLiteral("1"));
        QCOMPARE(Value(file, "Options", "UseMaskImage"), QStringLiteral("0"));
        QCOMPARE(Value(file, "Caption", "Format"), QStringLiteral("%x\\n%X"));
    }

    void longTextsFromAFileAreKeptWhole() {
        CustomizerFixture f;
        const QString longName(45, QLatin1Char('n'));
        const QByteArray longFormat = QByteArray(200, 'f');
        f.WriteTheme(longName, "[Caption]\nFormat=" + longFormat + "\n");
        f.WriteSettings("[Theme]\nFileName=" + longName.toUtf8() + ".tkm\n");
        QCOMPARE(f.Find<QLineEdit>("txtThemeName")->text(), longName);
        QCOMPARE(f.Find<QComboBox>("cbCaptionFormat")->currentText().size(), 200);
        f.Find<QPushButton>("cmdSaveTheme")->click();
        QCOMPARE(Value(f.ThemePath(longName), "Caption", "Format"),
                 QString::fromLatin1(longFormat));
        QCOMPARE(f.Find<QListWidget>("lbThemeList")->count(), 2);
    }

    void nameBoxFiltersForbiddenCharacters() {
        CustomizerFixture f;
        auto* name = f.Find<QLineEdit>("txtThemeName");
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("a/b?c"));
        QCOMPARE(name->text(), QStringLiteral("abc"));
        QCOMPARE(f.Beeps, 2);
        QCOMPARE(name->cursorPosition(), 3);
        // A character typed in the middle is removed where it stands, caret kept.
        name->setCursorPosition(1);
        QTest::keyClicks(name, QStringLiteral("*"));
        QCOMPARE(name->text(), QStringLiteral("abc"));
        QCOMPARE(name->cursorPosition(), 1);
        QCOMPARE(f.Beeps, 3);
        // At most 40 characters.
        name->clear();
        QTest::keyClicks(name, QString(50, QLatin1Char('x')));
        QCOMPARE(name->text().size(), 40);
    }

    void savingANewThemeWritesEverySectionAndAppliesIt() {
        CustomizerFixture f;
        f.WriteTheme(QStringLiteral("base"), "");
        auto* name = f.Find<QLineEdit>("txtThemeName");
        f.Find<QSpinBox>("txtClockRadius")->setValue(500);
        QTest::keyClicks(name, QStringLiteral("Fresh One"));
        // Enter in the name box clicks Save, the default button.
        QTest::keyClick(name, Qt::Key_Return);

        const QString file = f.ThemePath(QStringLiteral("Fresh One"));
        QVERIFY(QFile::exists(file));
        QCOMPARE(Sections(CustomizerFixture::ReadFile(file)),
                 QStringList({"Background", "Options", "Dimension", "Color", "Font", "Caption",
                              "Transparency"}));
        QCOMPARE(Value(file, "Dimension", "Radius"), QStringLiteral("500"));
        QCOMPARE(Value(file, "Dimension", "MinorTickSize"), QStringLiteral("15"));
        QCOMPARE(Value(file, "Color", "BackgroundColor"), QStringLiteral("0016777215"));
        QCOMPARE(Value(file, "Color", "ShadowColor"), QStringLiteral("1711276032"));
        QCOMPARE(Value(file, "Background", "MaskFile"), QStringLiteral("Themes\\default_mask.png"));
        auto* list = f.Find<QListWidget>("lbThemeList");
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Fresh One"));
        QCOMPARE(Value(f.SettingsPath(), "Theme", "FileName"), QStringLiteral("Fresh One.tkm"));
        QCOMPARE(f.ClockNotifications, 1);
    }

    void enterInACaptionBoxSavesTheTypedTextAndKeepsTheList() {
        CustomizerFixture f;
        auto* language = f.Find<QComboBox>("cbCaptionLanguage");
        auto* format = f.Find<QComboBox>("cbCaptionFormat");
        QCOMPARE(language->count(), 40);
        QCOMPARE(format->count(), 7);
        QTest::keyClicks(f.Find<QLineEdit>("txtThemeName"), QStringLiteral("typed"));
        language->lineEdit()->selectAll();
        QTest::keyClicks(language->lineEdit(), QStringLiteral("klingon"));
        QTest::keyClick(language->lineEdit(), Qt::Key_Return);
        format->lineEdit()->selectAll();
        QTest::keyClicks(format->lineEdit(), QStringLiteral("%H"));
        QTest::keyClick(format->lineEdit(), Qt::Key_Return);

        const QString file = f.ThemePath(QStringLiteral("typed"));
        QCOMPARE(Value(file, "Caption", "Language"), QStringLiteral("klingon"));
        QCOMPARE(Value(file, "Caption", "Format"), QStringLiteral("%H"));
        // The item lists are fixed: typed texts are not added to them.
        QCOMPARE(language->count(), 40);
        QCOMPARE(format->count(), 7);
        QCOMPARE(language->findText(QStringLiteral("klingon")), -1);
    }

    void typedCaptionTextsAreStoredExactlyAsTyped() {
        // Each text is a prefix of an item or an item in another letter case.
        const QList<QPair<const char*, QString>> typed = {
            {"cbCaptionFormat", QStringLiteral("%X")},
            {"cbCaptionFormat", QStringLiteral("%x")},
            {"cbCaptionFormat", QStringLiteral("%D")},
            {"cbCaptionLanguage", QStringLiteral("English")},
            {"cbCaptionLanguage", QStringLiteral("germ")}};
        for (const auto& [boxName, text] : typed) {
            CustomizerFixture f;
            QApplication::setActiveWindow(&f.Form());
            auto* box = f.Find<QComboBox>(boxName);
            box->setFocus();
            box->lineEdit()->selectAll();
            QTest::keyClicks(box->lineEdit(), text);
            // Leaving the box, then saving with the button.
            f.Find<QLineEdit>("txtThemeName")->setFocus();
            QTest::keyClicks(f.Find<QLineEdit>("txtThemeName"), QStringLiteral("typed"));
            f.Find<QPushButton>("cmdSaveTheme")->click();
            const char* key = qstrcmp(boxName, "cbCaptionFormat") == 0 ? "Format" : "Language";
            QCOMPARE(Value(f.ThemePath(QStringLiteral("typed")), "Caption", key), text);
        }
    }

    void emptyNameIsRefused() {
        CustomizerFixture f;
        f.WriteTheme(QStringLiteral("a"), "");
        f.WriteSettings("[Theme]\nFileName=a.tkm\n");
        auto* name = f.Find<QLineEdit>("txtThemeName");
        name->clear();
        f.Form().cmdSaveThemeClick();
        QCOMPARE(f.Messages.size(), 1);
        QCOMPARE(f.Messages[0].caption, QStringLiteral("Error"));
        QCOMPARE(f.Messages[0].text, QStringLiteral("Please enter theme name first."));
        QCOMPARE(f.Messages[0].icon, QMessageBox::Warning);
        QVERIFY(!QFile::exists(f.ThemePath(QString())));
    }

    void readOnlyThemeIsNotOverwrittenUntilUnlocked() {
        CustomizerFixture f;
        const QByteArray original = "[Dimension]\nRadius=100\n";
        f.WriteTheme(QStringLiteral("locked"), original);
        f.WriteSettings("[Theme]\nFileName=locked.tkm\n");
        auto* lock = f.Find<QToolButton>("sbReadOnly");
        auto* save = f.Find<QPushButton>("cmdSaveTheme");
        QVERIFY(lock->isEnabled());
        QVERIFY(!lock->isChecked());
        QVERIFY(save->isEnabled());

        QTest::mouseClick(lock, Qt::LeftButton);
        QVERIFY(lock->isChecked());
        QVERIFY(!(QFile::permissions(f.ThemePath(QStringLiteral("locked"))) & QFile::WriteOwner));
        QVERIFY(!save->isEnabled());

        // Save refuses even when reached without the button (Enter while disabled does nothing).
        f.Find<QSpinBox>("txtClockRadius")->setValue(200);
        f.Form().cmdSaveThemeClick();
        QCOMPARE(f.Messages.size(), 1);
        QCOMPARE(f.Messages[0].text,
                 QStringLiteral("Theme 'locked' is read only.\nPlease specify a different theme "
                                "name or unlock the key."));
        QCOMPARE(CustomizerFixture::ReadFile(f.ThemePath(QStringLiteral("locked"))), original);
        QCOMPARE(f.ClockNotifications, 0);

        QTest::mouseClick(lock, Qt::LeftButton);
        QVERIFY(!lock->isChecked());
        QVERIFY(save->isEnabled());
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(f.Messages.size(), 1);
        QCOMPARE(Value(f.ThemePath(QStringLiteral("locked")), "Dimension", "Radius"),
                 QStringLiteral("200"));
    }

    void lockPopsBackUpForAThemeNotYetSaved() {
        CustomizerFixture f;
        f.WriteTheme(QStringLiteral("a"), "");
        f.WriteSettings("[Theme]\nFileName=a.tkm\n");
        auto* name = f.Find<QLineEdit>("txtThemeName");
        auto* lock = f.Find<QToolButton>("sbReadOnly");
        QTest::keyClicks(name, QStringLiteral("b"));
        QTest::mouseClick(lock, Qt::LeftButton);
        QVERIFY(!lock->isChecked());
        QVERIFY(!QFile::exists(f.ThemePath(QStringLiteral("ab"))));
    }

    void unknownKeysAndSectionsSurviveASave() {
        CustomizerFixture f;
        f.WriteTheme(QStringLiteral("extra"), "; a comment\n[Author]\nName=Someone\n"
                                              "[Dimension]\nRadius=300\nFancy=yes\n");
        f.WriteSettings("[Theme]\nFileName=extra.tkm\n");
        f.Find<QSpinBox>("txtClockRadius")->setValue(305);
        f.Find<QPushButton>("cmdSaveTheme")->click();
        const QString file = f.ThemePath(QStringLiteral("extra"));
        QCOMPARE(Value(file, "Author", "Name"), QStringLiteral("Someone"));
        QCOMPARE(Value(file, "Dimension", "Fancy"), QStringLiteral("yes"));
        QCOMPARE(Value(file, "Dimension", "Radius"), QStringLiteral("305"));
        QCOMPARE(Sections(CustomizerFixture::ReadFile(file)).first(), QStringLiteral("Author"));
    }

    void failedWriteNamesTheFileAndStops() {
        CustomizerFixture f;
        QVERIFY(QDir(f.Folder()).mkpath(QStringLiteral("Themes/dir.tkm")));
        auto* name = f.Find<QLineEdit>("txtThemeName");
        QTest::keyClicks(name, QStringLiteral("dir"));
        try {
            f.Form().cmdSaveThemeClick();
            QFAIL("no error raised");
        } catch (const tikloom::ProfileWriteError& error) {
            QVERIFY2(QString::fromStdString(error.what()).contains(QStringLiteral("dir.tkm")),
                     error.what());
        }
        // The steps after the failed write did not run.
        QCOMPARE(f.ClockNotifications, 0);
        QCOMPARE(Value(f.SettingsPath(), "Theme", "FileName"), QStringLiteral("<absent>"));
        QCOMPARE(f.Form().CurrentThemeName, QStringLiteral("dir"));
    }
};

QTEST_MAIN(TestThemeEditor)
#include "test_theme_editor.moc"
