// The Options page: the language list, the hot key, start at log-on, the
// folder and web buttons, and a failed write of the settings file.
#include "common/profile_file.h"
#include "customizer/helpers/profile_write.h"
#include "support/customizer_fixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QUrl>

namespace {

QString Setting(const CustomizerFixture& f, const char* section, const char* key) {
    return tikloom::ReadProfileString(f.SettingsPath(), QString::fromLatin1(section),
                                      QString::fromLatin1(key), QStringLiteral("<absent>"),
                                      tikloom::kCustomizerTextCapacity);
}

QString Modifier(const CustomizerFixture& f) {
    return Setting(f, "Options", "MinimizeShortcutModifier");
}

QString HotKey(const CustomizerFixture& f) {
    return Setting(f, "Options", "MinimizeShortcutKey");
}

QStringList Items(QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

void Choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The four modifier boxes, as a bit set.
int CheckedModifiers(CustomizerFixture& f) {
    int bits = 0;
    const char* names[] = {"chkAltKey", "chkCtrlKey", "chkShiftKey", "chkWinKey"};
    for (int i = 0; i < 4; ++i) {
        if (f.Find<QCheckBox>(names[i])->isChecked())
            bits |= 1 << i;
    }
    return bits;
}

QMap<QString, QString> EntryValues(const QString& path) {
    QMap<QString, QString> values;
    for (const QByteArray& line : CustomizerFixture::ReadFile(path).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            values.insert(QString::fromUtf8(line.left(equals)),
                          QString::fromUtf8(line.mid(equals + 1)));
    }
    return values;
}

// Clicks a check box on its indicator (a wide box takes clicks only on its indicator and text).
void ClickBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
}

void ShowOptionsPage(CustomizerFixture& f) {
    auto* pages = f.Find<QTabWidget>("pageMain");
    pages->setCurrentIndex(0);
    pages->setCurrentWidget(f.Find<QWidget>("tabOptions"));
}

} // namespace

// Receives the addresses the form asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> Opened;

public slots:
    void open(const QUrl& url) { Opened.append(url); }
};

class TestOptionsPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        qunsetenv("LC_ALL");
        qunsetenv("LC_MESSAGES");
        qputenv("LANG", "en_US.UTF-8");
        QVERIFY(ConfigHome.isValid());
        qputenv("XDG_CONFIG_HOME", ConfigHome.path().toUtf8());
    }

    void cleanup() { QFile::remove(EntryPath()); }

    void withoutLanguageFilesOnlyDefaultIsListed() {
        CustomizerFixture f;
        auto* combo = f.Find<QComboBox>("cbLanguage");
        QCOMPARE(Items(combo), QStringList{QStringLiteral("(Default)")});
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(f.Form().LanguageFiles, QStringList{QString()});
    }

    void sameLangNameTwiceEachSelectsItsOwnFile() {
        CustomizerFixture f;
        f.WriteFile(QStringLiteral("A.lng"), "[Language]\nLangName=Twin\n[MainTab]\nTheme=A\n");
        f.WriteFile(QStringLiteral("B.lng"), "[Language]\nLangName=Twin\n[MainTab]\nTheme=B\n");
        f.WriteFile(QStringLiteral("Plain.lng"), "[MainTab]\nTheme=P\n");
        f.WriteSettings("[Locale]\nLanguage=b.LNG\n"); // letter case differs from the file

        auto* combo = f.Find<QComboBox>("cbLanguage");
        const QStringList files = f.Form().LanguageFiles;
        QCOMPARE(files.size(), 4);
        QCOMPARE(files.first(), QString());
        QCOMPARE(combo->count(), 4);
        const int a = int(files.indexOf(QStringLiteral("A.lng")));
        const int b = int(files.indexOf(QStringLiteral("B.lng")));
        const int plain = int(files.indexOf(QStringLiteral("Plain.lng")));
        QVERIFY(a > 0 && b > 0 && plain > 0);
        QCOMPARE(combo->itemText(a), QStringLiteral("Twin"));
        QCOMPARE(combo->itemText(b), QStringLiteral("Twin"));
        QCOMPARE(combo->itemText(plain), QStringLiteral("Plain.lng"));
        QCOMPARE(combo->currentIndex(), b);

        Choose(combo, a);
        QCOMPARE(Setting(f, "Locale", "Language"), QStringLiteral("A.lng"));
        QCOMPARE(f.Find<QTabWidget>("pageMain")->tabText(0), QStringLiteral("A"));
        Choose(combo, b);
        QCOMPARE(Setting(f, "Locale", "Language"), QStringLiteral("B.lng"));
        QCOMPARE(f.Find<QTabWidget>("pageMain")->tabText(0), QStringLiteral("B"));
        QCOMPARE(f.ClockNotifications, 2);
        // Choosing a language also records the current theme for the clock.
        QCOMPARE(Setting(f, "Theme", "FileName"), QStringLiteral(".tkm"));
    }

    void missingModifierIsWrittenAsWinAfterShowing() {
        CustomizerFixture f;
        f.WriteSettings("[Options]\nHighQualitySmoothing=1\n");
        f.Form();
        QCOMPARE(CheckedModifiers(f), 8);
        QCOMPARE(f.Find<QLineEdit>("txtHotkey")->text(), QStringLiteral("C"));
        QCOMPARE(Modifier(f), QStringLiteral("8"));
        QCOMPARE(HotKey(f), QStringLiteral("<absent>")); // the key is written only when typed
        QCOMPARE(Setting(f, "Options", "HighQualitySmoothing"), QStringLiteral("1"));
    }

    void modifierBitsAreShownAndRewrittenInOrder_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<QString>("after");
        QTest::newRow("unknown bit only") << QByteArray("16") << 0 << QStringLiteral("16");
        QTest::newRow("alt shift") << QByteArray("5") << 5 << QStringLiteral("5");
        QTest::newRow("hex all four") << QByteArray("0xF") << 15 << QStringLiteral("15");
        QTest::newRow("extra bits dropped") << QByteArray("$12") << 2 << QStringLiteral("2");
        QTest::newRow("not a number") << QByteArray("Win") << 8 << QStringLiteral("8");
        QTest::newRow("zero") << QByteArray("0") << 0 << QStringLiteral("0");
    }

    void modifierBitsAreShownAndRewrittenInOrder() {
        QFETCH(QByteArray, stored);
        QFETCH(int, boxes);
        QFETCH(QString, after);
        CustomizerFixture f;
        f.WriteSettings("[Options]\nMinimizeShortcutModifier=" + stored +
                        "\nMinimizeShortcutKey=0x14B\n");
        f.Form();
        QCOMPARE(CheckedModifiers(f), boxes);
        QCOMPARE(Modifier(f), after);
        QCOMPARE(f.Find<QLineEdit>("txtHotkey")->text(), QStringLiteral("K")); // low 8 bits
    }

    void clickingModifierBoxesStoresTheirSum() {
        CustomizerFixture f;
        f.Form();
        QTest::mouseClick(f.Find<QCheckBox>("chkCtrlKey"), Qt::LeftButton);
        QCOMPARE(Modifier(f), QStringLiteral("10"));
        QTest::mouseClick(f.Find<QCheckBox>("chkAltKey"), Qt::LeftButton);
        QCOMPARE(Modifier(f), QStringLiteral("11"));
        for (const char* name : {"chkAltKey", "chkCtrlKey", "chkWinKey"})
            QTest::mouseClick(f.Find<QCheckBox>(name), Qt::LeftButton);
        QCOMPARE(CheckedModifiers(f), 0);
        QCOMPARE(Modifier(f), QStringLiteral("0"));
    }

    void typedCharactersBecomeTheKey() {
        CustomizerFixture f;
        auto* box = f.Find<QLineEdit>("txtHotkey");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_K);
        QCOMPARE(box->text(), QStringLiteral("K"));
        QCOMPARE(HotKey(f), QStringLiteral("75"));
        QTest::keyClicks(box, QStringLiteral("x7"));
        QCOMPARE(box->text(), QStringLiteral("7"));
        QCOMPARE(HotKey(f), QStringLiteral("55"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(HotKey(f), QStringLiteral("8"));
        QCOMPARE(box->text(), QStringLiteral("\b"));
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(HotKey(f), QStringLiteral("27"));
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(HotKey(f), QStringLiteral("32"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(HotKey(f), QStringLiteral("13"));
    }

    void keysWithoutCharacterStoreNothing() {
        CustomizerFixture f;
        auto* box = f.Find<QLineEdit>("txtHotkey");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        // Delete as X11 delivers it, with the text DEL: the box empties itself.
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Delete, QStringLiteral("\x7f"),
                            Qt::NoModifier);
        QCOMPARE(box->text(), QString());
        QCOMPARE(HotKey(f), QStringLiteral("<absent>"));
        // Pasted text is shown in upper case, and not stored.
        QGuiApplication::clipboard()->setText(QStringLiteral("ab"));
        box->paste();
        QCOMPARE(box->text(), QStringLiteral("AB"));
        QCOMPARE(HotKey(f), QStringLiteral("<absent>"));
        box->clear();
        // A character without a key code is refused with a beep.
        QTest::keyClick(box, Qt::Key_Adiaeresis, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString::fromUtf8("\xc3\xa4"),
                            Qt::NoModifier);
        QCOMPARE(box->text(), QString());
        QCOMPARE(HotKey(f), QStringLiteral("<absent>"));
        QVERIFY(f.Beeps >= 1);
    }

    void startupEntryFollowsTheCheckBox() {
        CustomizerFixture f;
        auto* startup = f.Find<QCheckBox>("chkStartup");
        ShowOptionsPage(f);
        QVERIFY(!startup->isChecked());
        QVERIFY(!QFile::exists(EntryPath()));

        ClickBox(startup);
        QVERIFY(QFile::exists(EntryPath()));
        QMap<QString, QString> entry = EntryValues(EntryPath());
        QCOMPARE(entry.value("Exec"), f.Folder() + QStringLiteral("tikloom"));
        QString folder = f.Folder();
        folder.chop(1);
        QCOMPARE(entry.value("Path"), folder);
        QCOMPARE(entry.value("Name"), QStringLiteral("Tikloom"));

        ClickBox(startup);
        QVERIFY(!QFile::exists(EntryPath()));
    }

    void showingThePageRewritesAnExistingEntry() {
        QVERIFY(QDir().mkpath(ConfigHome.path() + QStringLiteral("/autostart")));
        QFile old(EntryPath());
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("[Desktop Entry]\nType=Application\nName=Tikloom\nExec=/old/place/tikloom\n");
        old.close();

        CustomizerFixture f;
        auto* startup = f.Find<QCheckBox>("chkStartup");
        QVERIFY(!startup->isChecked()); // not looked at before the page shows
        QCOMPARE(EntryValues(EntryPath()).value("Exec"), QStringLiteral("/old/place/tikloom"));
        ShowOptionsPage(f);
        QVERIFY(startup->isChecked());
        QCOMPARE(EntryValues(EntryPath()).value("Exec"), f.Folder() + QStringLiteral("tikloom"));

        // Gone while the box was checked: the next showing clears the box.
        QVERIFY(QFile::remove(EntryPath()));
        ShowOptionsPage(f);
        QVERIFY(!startup->isChecked());
        QVERIFY(!QFile::exists(EntryPath()));
    }

    void folderAndWebButtonsOpenTheirAddresses() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        CustomizerFixture f;
        QTest::mouseClick(f.Find<QPushButton>("cmdOpenThemeFolder"), Qt::LeftButton);
        auto* web = f.Find<QToolButton>("sbAboutWebsite");
        f.Form().ShowHomePage(QStringLiteral("https://home.example/"));
        ShowOptionsPage(f);
        QVERIFY(web->isVisible());
        QTest::mouseClick(web, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

        QCOMPARE(catcher.Opened.size(), 2);
        QCOMPARE(catcher.Opened[0], QUrl::fromLocalFile(f.Folder() + QStringLiteral("Themes/")));
        QCOMPARE(catcher.Opened[1], QUrl(QStringLiteral("https://home.example/")));
        QVERIFY(f.Messages.isEmpty());
    }

    void withoutAHomePageTheWebButtonIsHidden() {
        CustomizerFixture f;
        ShowOptionsPage(f);
        if (!QStringLiteral(TIKLOOM_HOME_PAGE).isEmpty())
            QSKIP("this build names a home page");
        QVERIFY(!f.Find<QToolButton>("sbAboutWebsite")->isVisible());
        QVERIFY(!f.Find<QLabel>("lblAboutWebsiteLabel")->isVisible());
        QVERIFY(f.Find<QLabel>("lblAboutAppName")->isVisible());
    }

    void folderThatCannotBeOpenedIsNamedToTheUser() {
        CustomizerFixture f;
        QList<QUrl> tried;
        f.Form().Hooks.openUrl = [&tried](const QUrl& url) {
            tried << url;
            return false; // no program for folders
        };
        QTest::mouseClick(f.Find<QPushButton>("cmdOpenThemeFolder"), Qt::LeftButton);
        QCOMPARE(tried.size(), 1);
        QCOMPARE(f.Messages.size(), 1);
        QCOMPARE(f.Messages[0].caption, QStringLiteral("Error"));
        QVERIFY2(f.Messages[0].text.contains(f.Folder() + QStringLiteral("Themes/")),
                 qPrintable(f.Messages[0].text));

        f.Form().ShowHomePage(QStringLiteral("https://home.example/"));
        ShowOptionsPage(f);
        QTest::mouseClick(f.Find<QToolButton>("sbAboutWebsite"), Qt::LeftButton);
        QCOMPARE(f.Messages.size(), 2);
        QVERIFY(f.Messages[1].text.contains(QStringLiteral("https://home.example/")));
    }

    void failedLanguageWriteNamesTheFileAndStopsThere() {
        CustomizerFixture f;
        f.WriteFile(QStringLiteral("DEU.lng"), "[Language]\nLangName=Deutsch\n[MainTab]\n"
                                               "Theme=Design\n");
        f.Form();
        // A folder where the settings file should be: every write fails.
        QVERIFY(QFile::remove(f.SettingsPath()));
        QVERIFY(QDir().mkdir(f.SettingsPath()));
        auto* combo = f.Find<QComboBox>("cbLanguage");
        combo->setCurrentIndex(1);
        try {
            f.Form().cbLanguageChange();
            QFAIL("no error raised");
        } catch (const tikloom::ProfileWriteError& error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(f.SettingsPath()), error.what());
        }
        QCOMPARE(f.Form().LanguageFileName, QStringLiteral("DEU.lng"));
        QCOMPARE(f.ClockNotifications, 0);
        QCOMPARE(f.Find<QTabWidget>("pageMain")->tabText(0), QStringLiteral("Theme"));
    }

private:
    QString EntryPath() const {
        return ConfigHome.path() + QStringLiteral("/autostart/Tikloom.desktop");
    }

    QTemporaryDir ConfigHome;
};

QTEST_MAIN(TestOptionsPage)
#include "test_options_page.moc"
