// The clock's language file choice and its five menu texts.

#include "clock/core/menu_texts.h"
#include "clock/core/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tikloom;

namespace {

void WriteFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

void CompareDefaults(const MenuTexts& texts) {
    QCOMPARE(texts.Minimize, QStringLiteral("Mi&nimize"));
    QCOMPARE(texts.Customize, QStringLiteral("&Customize..."));
    QCOMPARE(texts.About, QStringLiteral("&About..."));
    QCOMPARE(texts.Exit, QStringLiteral("E&xit"));
    QCOMPARE(texts.Restore, QStringLiteral("&Restore"));
}

} // namespace

class TestMenuTexts : public QObject {
    Q_OBJECT

private slots:
    void automaticChoiceFallsBackToTwoLetters() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        WriteFile(folder + QStringLiteral("DE.lng"), "[Tikloom]\nExit=Beenden\n");
        QCOMPARE(ChooseClockLanguageFile(PortableLayout(folder), QStringLiteral("DEU")),
                 folder + QStringLiteral("DE.lng"));
        WriteFile(folder + QStringLiteral("DEU.lng"), "[Tikloom]\nExit=Beenden\n");
        QCOMPARE(ChooseClockLanguageFile(PortableLayout(folder), QStringLiteral("DEU")),
                 folder + QStringLiteral("DEU.lng"));
    }

    void settingNamesFileWithoutTestingIt() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        WriteFile(folder + QStringLiteral("DEU.lng"), "[Tikloom]\nExit=Beenden\n");
        WriteFile(SettingsFilePath(folder), "[Locale]\nLanguage=Missing.lng\n");
        const QString chosen =
            ChooseClockLanguageFile(PortableLayout(folder), QStringLiteral("DEU"));
        QCOMPARE(chosen, folder + QStringLiteral("Missing.lng"));
        CompareDefaults(LoadMenuTexts(chosen));
    }

    void neitherFileGivesEnglishDefaults() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        CompareDefaults(
            LoadMenuTexts(ChooseClockLanguageFile(PortableLayout(folder), QStringLiteral("DEU"))));
    }

    void fileWithoutClockSectionGivesDefaults() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("FRA.lng"));
        WriteFile(file, "[Language]\nLangName=Francais\n[Options]\nExit=Quitter\n");
        CompareDefaults(LoadMenuTexts(file));
    }

    void textsFromFileAndDefaultsForMissingKeys() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("DEU.lng"));
        WriteFile(file, "[Language]\nLangName=Deutsch\n[Tikloom]\nMinimize=Mi&nimieren\n"
                        "Customize=&Anpassen...\nExit=&Beenden\n");
        const MenuTexts texts = LoadMenuTexts(file);
        QCOMPARE(texts.Minimize, QStringLiteral("Mi&nimieren"));
        QCOMPARE(texts.Customize, QStringLiteral("&Anpassen..."));
        QCOMPARE(texts.About, QStringLiteral("&About..."));
        QCOMPARE(texts.Exit, QStringLiteral("&Beenden"));
        QCOMPARE(texts.Restore, QStringLiteral("&Restore"));
    }

    void longTextIsCutTo255Characters() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("X.lng"));
        WriteFile(file, "[Tikloom]\nAbout=" + QByteArray(400, 'a') + "\n");
        QCOMPARE(LoadMenuTexts(file).About, QString(255, QLatin1Char('a')));
    }

    void charsetNamesTheCodePage() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("JPN.lng"));
        // "終了" (exit) in Shift_JIS; not valid UTF-8.
        WriteFile(file, "[Language]\nCharset=128\n[Tikloom]\nExit=\x8f\x49\x97\xb9(&X)\n");
        QCOMPARE(LoadMenuTexts(file).Exit, QStringLiteral(u"終了(&X)"));
    }

    void utf8FileIsReadAsUtf8WhateverItsCharset() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("JPN.lng"));
        WriteFile(file,
                  QStringLiteral(u"[Language]\nCharset=128\n[Tikloom]\nExit=終了(&X)\n").toUtf8());
        QCOMPARE(LoadMenuTexts(file).Exit, QStringLiteral(u"終了(&X)"));
    }
};

QTEST_GUILESS_MAIN(TestMenuTexts)
#include "test_menu_texts.moc"
