// The choice of the language file and the program folder's path rules.

#include "common/language_choice.h"
#include "common/profile_file.h"
#include "common/program_folder.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace tikloom;

class LanguageChoiceTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString Folder() const { return dir_.path() + QLatin1Char('/'); }

    void Touch(const QString& name) {
        QFile file(Folder() + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

private slots:
    void settingIsUsedAsItIs() {
        QCOMPARE(ChooseLanguageFile(Folder(), "Missing.lng", "DEU"), Folder() + "Missing.lng");
    }

    void abbreviationThenItsFirstTwoLetters() {
        QCOMPARE(ChooseLanguageFile(Folder(), "", "DEU"), Folder() + "DE.lng");
        Touch("DE.lng");
        QCOMPARE(ChooseLanguageFile(Folder(), "", "DEU"), Folder() + "DE.lng");
        Touch("DEU.lng");
        QCOMPARE(ChooseLanguageFile(Folder(), "", "DEU"), Folder() + "DEU.lng");
        // Neither file present: the two-letter name, not tested again.
        QCOMPARE(ChooseLanguageFile(Folder(), "", "JPN"), Folder() + "JP.lng");
        QCOMPARE(ChooseLanguageFile(Folder(), "", ""), QString());
    }

    void localeTable() {
        QCOMPARE(LanguageAbbreviationForLocale("en_US.UTF-8"), QString("ENU"));
        QCOMPARE(LanguageAbbreviationForLocale("en_GB"), QString("ENG"));
        QCOMPARE(LanguageAbbreviationForLocale("de_CH.utf8"), QString("DES"));
        QCOMPARE(LanguageAbbreviationForLocale("de_AT@euro"), QString("DEA"));
        QCOMPARE(LanguageAbbreviationForLocale("ja_JP.eucJP"), QString("JPN"));
        QCOMPARE(LanguageAbbreviationForLocale("zh_TW.UTF-8"), QString("CHT"));
        QCOMPARE(LanguageAbbreviationForLocale("zh_CN"), QString("CHS"));
        QCOMPARE(LanguageAbbreviationForLocale("pt_PT"), QString("PTG"));
        QCOMPARE(LanguageAbbreviationForLocale("pt_BR"), QString("PTB"));
        QCOMPARE(LanguageAbbreviationForLocale("es_ES"), QString("ESN"));
        // A country the table lacks gives the language's main entry.
        QCOMPARE(LanguageAbbreviationForLocale("de_BE.UTF-8"), QString("DEU"));
        QCOMPARE(LanguageAbbreviationForLocale("fr"), QString("FRA"));
        QCOMPARE(LanguageAbbreviationForLocale("C.UTF-8"), QString("ENU"));
        QCOMPARE(LanguageAbbreviationForLocale("POSIX"), QString("ENU"));
        QCOMPARE(LanguageAbbreviationForLocale("xx_YY"), QString());
        QCOMPARE(LanguageAbbreviationForLocale(""), QString());
    }

    void environmentPrecedence() {
        const QByteArray saved[3] = {qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG")};
        qputenv("LANG", "ja_JP.UTF-8");
        qputenv("LC_MESSAGES", "");
        qputenv("LC_ALL", "de_DE.UTF-8");
        QCOMPARE(UserLanguageAbbreviation(), QString("DEU"));
        qputenv("LC_ALL", "");
        QCOMPARE(UserLanguageAbbreviation(), QString("JPN"));
        qputenv("LC_MESSAGES", "fr_CA.UTF-8");
        QCOMPARE(UserLanguageAbbreviation(), QString("FRC"));
        qunsetenv("LC_MESSAGES");
        qunsetenv("LANG");
        QCOMPARE(UserLanguageAbbreviation(), QString());
        qputenv("LC_ALL", saved[0]);
        qputenv("LC_MESSAGES", saved[1]);
        qputenv("LANG", saved[2]);
    }

    // No language file (an unknown locale) reads every text's default and
    // leaves stderr quiet: nothing tries to open the empty path.
    void noLanguageFileIsReadQuietly() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        const QString none = ChooseLanguageFile(Folder(), "", "");
        QCOMPARE(none, QString());
        QCOMPARE(LanguageFileCodePage(none, 1), kAutoCodePage);
        QCOMPARE(ReadProfileString(none, "Tikloom", "Exit", "E&xit", kClockTextCapacity),
                 QStringLiteral("E&xit"));
    }

    void storedPaths() {
        const QString folder = "/opt/tikloom/";
        QCOMPARE(ResolveStoredPath(folder, "Themes\\default.png"),
                 QString("/opt/tikloom/Themes/default.png"));
        QCOMPARE(ResolveStoredPath(folder, "/usr/share/a.png"), QString("/usr/share/a.png"));
        QCOMPARE(ResolveStoredPath("/opt/tikloom", "a.png"), QString("/opt/tikloom/a.png"));
        QCOMPARE(ResolveStoredPath(folder, ""), QString());
        QVERIFY(ProgramFolder().endsWith('/'));
        QCOMPARE(ProgramFolder(), QCoreApplication::applicationDirPath() + '/');
    }
};

QTEST_GUILESS_MAIN(LanguageChoiceTest)
#include "test_language_choice.moc"
