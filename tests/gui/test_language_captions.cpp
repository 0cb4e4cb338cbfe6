// The customizer's captions from the language files: English defaults with
// their suffixes, partial and empty translations, switching languages, the
// character set, and the shipped translations fitting the fixed layout.
#include "common/profile_file.h"
#include "customizer/helpers/caption_tables.h"
#include "support/customizer_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using tikloom::CaptionRow;
using tikloom::CaptionRows;

namespace {

constexpr int kButtonTextMargins = 8;

QTabWidget* TabsHolding(QWidget* page) {
    for (QWidget* w = page->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            return tabs->indexOf(page) >= 0 ? tabs : nullptr;
    }
    return nullptr;
}

// The caption a control shows: a page's tab title, a group's title, a text.
QString CaptionOf(QWidget* control) {
    if (QTabWidget* tabs = TabsHolding(control))
        return tabs->tabText(tabs->indexOf(control));
    if (auto* group = qobject_cast<QGroupBox*>(control))
        return group->title();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    return QStringLiteral("<no caption>");
}

QString English(const CaptionRow& row) {
    return QString::fromLatin1(row.englishDefault) + QString::fromLatin1(row.suffix);
}

// Every control of the table shows its English caption, except the rows of
// the sections listed in translated.
void VerifyEnglishExcept(CustomizerFixture& f, const QStringList& translatedSections = {}) {
    for (const CaptionRow& row : CaptionRows()) {
        if (translatedSections.contains(QString::fromLatin1(row.section)))
            continue;
        for (const QString& name : row.controls) {
            QWidget* control = f.Form().findChild<QWidget*>(name);
            QVERIFY2(control != nullptr, qPrintable(name));
            QCOMPARE(CaptionOf(control), English(row));
        }
    }
}

QString Caption(CustomizerFixture& f, const char* name) {
    return CaptionOf(f.Find<QWidget>(name));
}

void CopyShippedLanguage(CustomizerFixture& f, const QString& name) {
    QFile file(QStringLiteral(TIKLOOM_SOURCE_DIR "/data/lang/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing shipped language file %s", qPrintable(name));
    f.WriteFile(name, file.readAll());
}

void ChooseLanguage(CustomizerFixture& f, const QString& label) {
    auto* combo = f.Find<QComboBox>("cbLanguage");
    const int index = combo->findText(label);
    QVERIFY2(index >= 0, qPrintable(label));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Texts that no language file changes.
void VerifyFixedTexts(CustomizerFixture& f) {
    QCOMPARE(f.Form().windowTitle(), QStringLiteral("Tikloom Customizer"));
    QCOMPARE(Caption(f, "chkAltKey"), QStringLiteral("Alt"));
    QCOMPARE(Caption(f, "chkCtrlKey"), QStringLiteral("Ctrl"));
    QCOMPARE(Caption(f, "chkShiftKey"), QStringLiteral("Shift"));
    QCOMPARE(Caption(f, "chkWinKey"), QStringLiteral("Win"));
    QCOMPARE(Caption(f, "grpAbout"), QStringLiteral("About"));
    QCOMPARE(Caption(f, "lblAboutWebsiteLabel"), QStringLiteral("Website:"));
    QCOMPARE(f.Find<QComboBox>("cbLanguage")->itemText(0), QStringLiteral("(Default)"));
}

} // namespace

class TestLanguageCaptions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // An English user whose locale has no language file here.
        qunsetenv("LC_ALL");
        qunsetenv("LC_MESSAGES");
        qputenv("LANG", "en_US.UTF-8");
        QVERIFY(ConfigHome.isValid());
        qputenv("XDG_CONFIG_HOME", ConfigHome.path().toUtf8());
    }

    void withoutLanguageFilesEveryCaptionIsEnglishWithItsSuffix() {
        CustomizerFixture f;
        VerifyEnglishExcept(f);
        QCOMPARE(Caption(f, "lblCaptionLanguage"), QStringLiteral("Language :"));
        QCOMPARE(Caption(f, "lblShadowTransparency"), QStringLiteral("Transparency (%):"));
        QCOMPARE(Caption(f, "lblNumbersRadius"), QStringLiteral("Radius (%):"));
        QCOMPARE(Caption(f, "lblClockRadius"), QStringLiteral("Radius:"));
        QCOMPARE(Caption(f, "cmdHandsImageOpen"), QStringLiteral("Open..."));
        QCOMPARE(Caption(f, "tabThemeOthers"), QStringLiteral("&Others"));
        VerifyFixedTexts(f);
        QCOMPARE(f.Form().LanguageFileName, QString());
    }

    void fileWithOnlyMainTabTranslatesOnlyTheTabs() {
        CustomizerFixture f;
        f.WriteFile(QStringLiteral("Tabs.lng"), "[MainTab]\nTheme=Thema\nOptions=Einstellungen\n");
        f.WriteSettings("[Locale]\nLanguage=Tabs.lng\n");
        QCOMPARE(Caption(f, "tabTheme"), QStringLiteral("Thema"));
        QCOMPARE(Caption(f, "tabOptions"), QStringLiteral("Einstellungen"));
        VerifyEnglishExcept(f, {QStringLiteral("MainTab")});
        QCOMPARE(f.Form().LanguageFileName, QStringLiteral("Tabs.lng"));
    }

    void emptyValueShowsOnlyTheSuffix() {
        CustomizerFixture f;
        f.WriteFile(QStringLiteral("Empty.lng"), "[ThemeSheet]\nLeft=\nOpen=\nSave=\n");
        f.WriteSettings("[Locale]\nLanguage=Empty.lng\n");
        for (const char* name :
             {"lblBackgroundImageLeft", "lblClockCenterX", "lblCaptionLeft", "lblShadowOffsetX"})
            QCOMPARE(Caption(f, name), QStringLiteral(":"));
        QCOMPARE(Caption(f, "cmdMaskImageOpen"), QStringLiteral("..."));
        QCOMPARE(Caption(f, "cmdSaveTheme"), QString());
        QCOMPARE(Caption(f, "lblBackgroundImageTop"), QStringLiteral("Top:"));
    }

    void missingStoredFileGivesEnglish() {
        CustomizerFixture f;
        CopyShippedLanguage(f, QStringLiteral("DEU.lng"));
        f.WriteSettings("[Locale]\nLanguage=Gone.lng\n");
        VerifyEnglishExcept(f);
        QCOMPARE(f.Find<QComboBox>("cbLanguage")->currentIndex(), 0);
    }

    void switchingFromGermanToDefaultRestoresEnglish() {
        CustomizerFixture f;
        CopyShippedLanguage(f, QStringLiteral("DEU.lng"));
        f.WriteSettings("[Locale]\nLanguage=DEU.lng\n");
        QCOMPARE(Caption(f, "tabOptions"), QStringLiteral("Optionen"));
        QCOMPARE(Caption(f, "lblHourHandHeadLength"), QStringLiteral("Länge vorn (%):"));
        QCOMPARE(Caption(f, "lblCaptionFormat"), QStringLiteral("Format :"));
        QCOMPARE(f.Find<QComboBox>("cbLanguage")->currentText(), QStringLiteral("Deutsch"));
        VerifyFixedTexts(f);

        ChooseLanguage(f, QStringLiteral("(Default)"));
        VerifyEnglishExcept(f);
        VerifyFixedTexts(f);
        QCOMPARE(f.Form().LanguageFileName, QString());
        QVERIFY(tikloom::ProfileKeyExists(f.SettingsPath(), QStringLiteral("Locale"),
                                          QStringLiteral("Language")));
        QCOMPARE(tikloom::ReadProfileString(f.SettingsPath(), QStringLiteral("Locale"),
                                            QStringLiteral("Language"), QStringLiteral("?"), 256),
                 QString());
        QCOMPARE(f.ClockNotifications, 1);
        // The list itself stays as it was.
        QCOMPARE(f.Find<QComboBox>("cbLanguage")->count(), 2);

        ChooseLanguage(f, QStringLiteral("Deutsch"));
        QCOMPARE(Caption(f, "grpShortcutKeys"),
                 QStringLiteral("&Tastenkürzel (Neustart erforderlich)"));
        QCOMPARE(f.ClockNotifications, 2);
    }

    void localeChoosesThreeLettersThenTwo() {
        qputenv("LANG", "ja_JP.UTF-8");
        {
            CustomizerFixture f;
            f.WriteFile(QStringLiteral("JP.lng"), "[MainTab]\nTheme=Two\n");
            QCOMPARE(Caption(f, "tabTheme"), QStringLiteral("Two"));
        }
        {
            CustomizerFixture f;
            f.WriteFile(QStringLiteral("JP.lng"), "[MainTab]\nTheme=Two\n");
            f.WriteFile(QStringLiteral("JPN.lng"), "[MainTab]\nTheme=Three\n");
            QCOMPARE(Caption(f, "tabTheme"), QStringLiteral("Three"));
        }
        qputenv("LANG", "en_US.UTF-8");
    }

    void shiftJisFileIsDecodedByItsCharset() {
        CustomizerFixture f;
        // [MainTab] Theme = "テーマ" in Shift_JIS.
        f.WriteFile(QStringLiteral("SJ.lng"),
                    "[Language]\nCharset=128\n[MainTab]\nTheme=\x83\x65\x81\x5b\x83\x7d\n");
        f.WriteSettings("[Locale]\nLanguage=SJ.lng\n");
        const QFont aboutBefore = f.Find<QGroupBox>("grpAbout")->font();
        QCOMPARE(Caption(f, "tabTheme"), QString::fromUtf8("\xe3\x83\x86\xe3\x83\xbc\xe3\x83\x9e"));
        QCOMPARE(f.Find<QGroupBox>("grpAbout")->font(), aboutBefore);
    }

    // The shipped translations fit the layout: no caption is wider than its
    // control, and no label's text runs into a control beside it.
    void shippedTranslationsFitTheLayout_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("German") << QStringLiteral("DEU.lng");
        QTest::newRow("French") << QStringLiteral("FRA.lng");
        QTest::newRow("Japanese") << QStringLiteral("JPN.lng");
    }

    void shippedTranslationsFitTheLayout() {
        QFETCH(QString, file);
        CustomizerFixture f;
        CopyShippedLanguage(f, file);
        f.WriteSettings("[Locale]\nLanguage=" + file.toUtf8() + "\n");
        f.Form();
        for (const CaptionRow& row : CaptionRows()) {
            for (const QString& name : row.controls) {
                QWidget* control = f.Form().findChild<QWidget*>(name);
                QVERIFY2(control != nullptr, qPrintable(name));
                if (TabsHolding(control) != nullptr)
                    continue; // tabs size themselves
                QString problem = FitProblem(control);
                QVERIFY2(problem.isEmpty(), qPrintable(file + ": " + name + ": " + problem));
            }
        }
        SavePictures(f, QFileInfo(file).baseName());
    }

private:
    // Why a control's caption does not fit, or empty when it does.
    static QString FitProblem(QWidget* control) {
        const QFontMetrics metrics(control->font());
        if (auto* group = qobject_cast<QGroupBox*>(control)) {
            const int needed = metrics.horizontalAdvance(group->title()) + 16;
            return needed > group->width() ? QStringLiteral("title too wide") : QString();
        }
        int needed = control->sizeHint().width();
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            // A push button's size hint has a style minimum; the text needs only its margins.
            QString text = button->text();
            text.remove(QLatin1Char('&'));
            needed = metrics.horizontalAdvance(text) + kButtonTextMargins;
        }
        if (!qobject_cast<QLabel*>(control)) {
            return needed > control->width() ? QStringLiteral("text needs %1 of %2 pixels")
                                                   .arg(needed)
                                                   .arg(control->width())
                                             : QString();
        }
        // A label's text may spill over its box only where nothing else lies.
        const QRect text(control->pos(), QSize(needed, control->height()));
        for (QObject* child : control->parentWidget()->children()) {
            auto* sibling = qobject_cast<QWidget*>(child);
            if (sibling == nullptr || sibling == control ||
                !sibling->isVisibleTo(&*control->window()))
                continue;
            if (text.intersects(sibling->geometry()))
                return QStringLiteral("text runs into ") + sibling->objectName();
        }
        return QString();
    }

    // Pictures of both pages and the theme sub-pages, to look at.
    static void SavePictures(CustomizerFixture& f, const QString& language) {
        auto* main = f.Find<QTabWidget>("pageMain");
        auto* sheets = f.Find<QTabWidget>("pageThemeSettings");
        const QString folder = QStringLiteral(TIKLOOM_TEST_BINARY_DIR "/screenshots/");
        QDir().mkpath(folder);
        for (int page = 0; page < sheets->count(); ++page) {
            main->setCurrentIndex(0);
            sheets->setCurrentIndex(page);
            f.Form().grab().save(
                folder + QStringLiteral("customizer_%1_theme%2.png").arg(language).arg(page));
        }
        main->setCurrentIndex(1);
        f.Form().grab().save(folder + QStringLiteral("customizer_%1_options.png").arg(language));
    }

    QTemporaryDir ConfigHome;
};

QTEST_MAIN(TestLanguageCaptions)
#include "test_language_captions.moc"
