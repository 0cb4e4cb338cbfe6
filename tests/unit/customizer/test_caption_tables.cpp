// The caption table and the language files that ship with the programs.
#include "common/profile_file.h"
#include "common/text_decoding.h"
#include "customizer/helpers/caption_tables.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace tikloom;

namespace {

const CaptionRow& RowFor(const char* section, const char* key, const char* suffix) {
    for (const CaptionRow& row : CaptionRows()) {
        if (qstrcmp(row.section, section) == 0 && qstrcmp(row.key, key) == 0 &&
            qstrcmp(row.suffix, suffix) == 0) {
            return row;
        }
    }
    qFatal("no caption row %s/%s", section, key);
}

QStringList ShippedLanguageFiles() {
    const QDir folder(QStringLiteral(TIKLOOM_SOURCE_DIR "/data/lang"));
    QStringList files;
    for (const QString& name : folder.entryList({QStringLiteral("*.lng")}, QDir::Files)) {
        files.append(folder.filePath(name));
    }
    return files;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestCaptionTables : public QObject {
    Q_OBJECT

private slots:
    void everyControlOnceAndNinetySevenInAll() {
        QSet<QString> names;
        int count = 0;
        for (const CaptionRow& row : CaptionRows()) {
            for (const QString& control : row.controls) {
                QVERIFY2(!names.contains(control), qPrintable(control));
                names.insert(control);
                ++count;
            }
        }
        QCOMPARE(count, 97);
    }

    void missingFileGivesEnglishWithSuffix() {
        const QString none = QStringLiteral("/nonexistent/folder/XYZ.lng");
        QCOMPARE(ReadCaption(none, RowFor("ThemeSheet", "ThemeList", ":"), 0),
                 QStringLiteral("Theme &List:"));
        QCOMPARE(ReadCaption(none, RowFor("ThemeSheet", "ColorTransparency", " (%):"), 0),
                 QStringLiteral("Transparency (%):"));
        QCOMPARE(ReadCaption(none, RowFor("ThemeSheet", "Radius", " (%):"), 0),
                 QStringLiteral("Radius (%):"));
        QCOMPARE(ReadCaption(none, RowFor("ThemeSheet", "Radius", ":"), 0),
                 QStringLiteral("Radius:"));
        QCOMPARE(ReadCaption(none, RowFor("ThemeSheet", "Open", "..."), 0),
                 QStringLiteral("Open..."));
        QCOMPARE(ReadCaption(none, RowFor("ThemeSheet", "CaptionLanguage", " :"), 0),
                 QStringLiteral("Language :"));
        QCOMPARE(ReadCaption(none, RowFor("OptionsSheet", "MinimizeKey", ""), 0),
                 QStringLiteral("Minimize:"));
    }

    void valuesTakeTheSuffixAndEmptyValuesGiveItAlone() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("T.lng"));
        WriteFile(file, "[ThemeSheet]\nLeft=\nWidth=Breite\nOpen=\xC3\x96\x66\x66nen\n");
        QCOMPARE(ReadCaption(file, RowFor("ThemeSheet", "Left", ":"), 0), QStringLiteral(":"));
        QCOMPARE(ReadCaption(file, RowFor("ThemeSheet", "Width", ":"), 0),
                 QStringLiteral("Breite:"));
        QCOMPARE(ReadCaption(file, RowFor("ThemeSheet", "Open", "..."), 0),
                 QString::fromUtf8("\xC3\x96\x66\x66nen..."));
        // A key of another section does not leak in.
        QCOMPARE(ReadCaption(file, RowFor("MainTab", "Theme", ""), 0), QStringLiteral("Theme"));
    }

    void shippedFilesCarryEveryKey_data() {
        QTest::addColumn<QString>("file");
        const QStringList files = ShippedLanguageFiles();
        QVERIFY(files.size() >= 3);
        for (const QString& file : files) {
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
        }
    }

    void shippedFilesCarryEveryKey() {
        QFETCH(QString, file);
        QFile raw(file);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        QVERIFY2(IsValidUtf8(raw.readAll()), "language files ship as UTF-8");
        QVERIFY(ProfileKeyExists(file, QStringLiteral("Language"), QStringLiteral("LangName")));
        // A UTF-8 file must not name another code page: the clock would decode it by that one.
        QCOMPARE(CodePageForCharset(ReadProfileIntCustomizer(file, QStringLiteral("Language"),
                                                             QStringLiteral("Charset"), 1) &
                                    0xFF),
                 0);
        const QStringList clockKeys = {QStringLiteral("Minimize"), QStringLiteral("Customize"),
                                       QStringLiteral("About"), QStringLiteral("Exit"),
                                       QStringLiteral("Restore")};
        for (const QString& key : clockKeys) {
            const QString text =
                ReadProfileString(file, QStringLiteral("Tikloom"), key, QString(), 256);
            QVERIFY2(text.count(QLatin1Char('&')) == 1, qPrintable(key));
        }
        for (const CaptionRow& row : CaptionRows()) {
            const QString section = QString::fromLatin1(row.section);
            const QString key = QString::fromLatin1(row.key);
            QVERIFY2(ProfileKeyExists(file, section, key), qPrintable(section + "/" + key));
            const QString text =
                ReadProfileString(file, section, key, QString(), kCustomizerTextCapacity);
            QVERIFY2(!text.isEmpty(), qPrintable(key));
            // Access keys where the English text has one; a suffixed value has no colon of
            // its own (the suffix adds it).
            const bool english = QString::fromLatin1(row.englishDefault).contains('&');
            QVERIFY2(text.contains(QLatin1Char('&')) == english, qPrintable(key));
            if (*row.suffix != '\0') {
                QVERIFY2(!text.endsWith(QLatin1Char(':')), qPrintable(key));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCaptionTables)
#include "test_caption_tables.moc"
