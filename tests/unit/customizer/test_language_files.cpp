// Listing language files and decoding their texts.
#include "common/profile_file.h"
#include "customizer/helpers/language_encoding.h"
#include "customizer/helpers/language_list.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tikloom;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// "日本語" in Shift_JIS and in UTF-8.
const QByteArray kJapaneseShiftJis("\x93\xfa\x96\x7b\x8c\xea");
const QByteArray kJapaneseUtf8("\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e");

} // namespace

class TestLanguageFiles : public QObject {
    Q_OBJECT

private slots:
    void listTakesLangNameOrFileName() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        WriteFile(folder + "A.lng", "[Language]\nLangName=Deutsch\n");
        WriteFile(folder + "B.lng", "[Language]\nLangName=Deutsch\n");
        WriteFile(folder + "C.lng", "[Tikloom]\nExit=Quit\n");
        WriteFile(folder + "notes.txt", "[Language]\nLangName=Nope\n");
        QVERIFY(QDir(folder).mkdir(QStringLiteral("folder.lng")));

        const QList<LanguageListEntry> entries = FindLanguageFiles(folder);
        QMap<QString, QString> labels;
        for (const LanguageListEntry& entry : entries) {
            labels.insert(entry.fileName, entry.label);
        }
        QCOMPARE(labels.size(), 3);
        QCOMPARE(labels.value("A.lng"), QStringLiteral("Deutsch"));
        QCOMPARE(labels.value("B.lng"), QStringLiteral("Deutsch"));
        QCOMPARE(labels.value("C.lng"), QStringLiteral("C.lng"));
    }

    void listOfAnEmptyOrMissingFolderIsEmpty() {
        QTemporaryDir dir;
        QVERIFY(FindLanguageFiles(dir.path() + QLatin1Char('/')).isEmpty());
        QVERIFY(FindLanguageFiles(dir.path() + QStringLiteral("/missing/")).isEmpty());
    }

    void labelOfAShiftJisFileFollowsItsCharset() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        WriteFile(folder + "JPN.lng", "[Language]\nCharset=128\nLangName=" + kJapaneseShiftJis);
        const QList<LanguageListEntry> entries = FindLanguageFiles(folder);
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.first().label, QString::fromUtf8(kJapaneseUtf8));
    }

    void fileNamesCompareWithoutLetterCase() {
        QVERIFY(SameLanguageFileName(QStringLiteral("deu.LNG"), QStringLiteral("DEU.lng")));
        QVERIFY(!SameLanguageFileName(QStringLiteral("DEU.lng"), QStringLiteral("DE.lng")));
        QVERIFY(!SameLanguageFileName(QString(), QStringLiteral("DEU.lng")));
    }

    void encodingOfCharsetValues_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("charset");
        QTest::addColumn<int>("codePage");
        const QByteArray sjis = "[Language]\nLangName=" + kJapaneseShiftJis + "\nCharset=";
        QTest::newRow("no charset") << QByteArray("[Language]\nLangName=x\n") << 1 << 0;
        QTest::newRow("not a number") << QByteArray(sjis + "abc\n") << 1 << 0;
        QTest::newRow("shift-jis decimal") << QByteArray(sjis + "128\n") << 128 << 932;
        QTest::newRow("shift-jis hex") << QByteArray(sjis + "0x80\n") << 128 << 932;
        QTest::newRow("low 8 bits") << QByteArray(sjis + "$180\n") << 128 << 932;
        QTest::newRow("utf-8 file keeps utf-8")
            << QByteArray("[Language]\nCharset=128\nLangName=" + kJapaneseUtf8 + "\n") << 128 << 0;
    }

    void encodingOfCharsetValues() {
        QFETCH(QByteArray, content);
        QFETCH(int, charset);
        QFETCH(int, codePage);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("X.lng"));
        WriteFile(file, content);
        const LanguageEncoding encoding = ReadLanguageEncoding(file);
        QCOMPARE(encoding.charset, charset);
        QCOMPARE(encoding.codePage, codePage);
    }

    void missingFileHasTheDefaultEncoding() {
        const LanguageEncoding encoding = ReadLanguageEncoding(QStringLiteral("/nonexistent.lng"));
        QCOMPARE(encoding.charset, kDefaultCharset);
        QCOMPARE(encoding.codePage, 0);
    }
};

QTEST_GUILESS_MAIN(TestLanguageFiles)
#include "test_language_files.moc"
