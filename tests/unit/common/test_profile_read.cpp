// Reading profile files: names, values, the two integer rules, capacities and
// files that are not what they should be.

#include "common/profile_file.h"
#include "common/profile_integers.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tikloom;

class ProfileReadTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            qFatal("cannot write test file");
        }
        return path;
    }

    QString Read(const QString& file, const QString& section, const QString& key) {
        return ReadProfileString(file, section, key, QStringLiteral("<def>"), 2048);
    }

private slots:
    void namesMatchWithoutRegardToCase() {
        const QString f = Write("case.ini", "[Window]\nleft=5\n[THEME]\nFILENAME=a.tkm\n");
        QCOMPARE(ReadProfileIntClock(f, "window", "LEFT", 10), 5u);
        QCOMPARE(Read(f, "Theme", "FileName"), QString("a.tkm"));
        QVERIFY(ProfileKeyExists(f, "theme", "filename"));
        QVERIFY(!ProfileKeyExists(f, "Theme", "Left"));
    }

    void valuesAreTrimmedAndLoseOnePairOfQuotes() {
        const QString f = Write("values.ini", "[S]\n"
                                              "  Plain =  a b  \t\n"
                                              "Double=\" x \"\n"
                                              "Single='y'\n"
                                              "Twice=\"\"z\"\"\n"
                                              "Mixed=\"w'\n"
                                              "Lone=\"\n"
                                              "Empty=\n"
                                              "Equals=a=b\n");
        QCOMPARE(Read(f, "S", "Plain"), QString("a b"));
        QCOMPARE(Read(f, "S", "Double"), QString(" x "));
        QCOMPARE(Read(f, "S", "Single"), QString("y"));
        QCOMPARE(Read(f, "S", "Twice"), QString("\"z\""));
        QCOMPARE(Read(f, "S", "Mixed"), QString("\"w'"));
        QCOMPARE(Read(f, "S", "Lone"), QString("\""));
        QCOMPARE(Read(f, "S", "Empty"), QString(""));
        QCOMPARE(Read(f, "S", "Equals"), QString("a=b"));
    }

    void absentFileSectionOrKeyGivesTheDefault() {
        const QString f = Write("absent.ini", "[S]\nKey=1\n");
        QCOMPARE(Read(dir_.filePath("missing.ini"), "S", "Key"), QString("<def>"));
        QCOMPARE(Read(f, "Other", "Key"), QString("<def>"));
        QCOMPARE(Read(f, "S", "Other"), QString("<def>"));
        QCOMPARE(Read(QString(), "S", "Key"), QString("<def>"));
        QCOMPARE(ReadProfileIntClock(f, "S", "Other", 77), 77u);
        QCOMPARE(ReadProfileIntCustomizer(f, "S", "Other", -3), -3);
    }

    void capacityCutsValueAndDefault() {
        const QString f = Write("cap.ini", "[S]\nLong=" + QByteArray(300, 'a') + "\n");
        QCOMPARE(ReadProfileString(f, "S", "Long", "", kClockTextCapacity).size(), 255);
        QCOMPARE(ReadProfileString(f, "S", "Long", "", kPathCapacity).size(), 259);
        QCOMPARE(ReadProfileString(f, "S", "Long", "", kFaceNameCapacity).size(), 49);
        QCOMPARE(ReadProfileString(f, "S", "No", QString(60, 'd'), kFaceNameCapacity),
                 QString(49, 'd'));
        QCOMPARE(ReadProfileString(f, "S", "Long", "x", 1), QString());
        // A cut never leaves half of a surrogate pair behind.
        const QString g = Write("cap2.ini", "[S]\nEmoji=ab\xF0\x9F\x98\x80\n");
        QCOMPARE(ReadProfileString(g, "S", "Emoji", "", 4), QString("ab"));
        QCOMPARE(ReadProfileString(g, "S", "Emoji", "", 5),
                 QString::fromUtf8("ab\xF0\x9F\x98\x80"));
    }

    void clockIntegerRule() {
        const QString f = Write("clock.ini", "[C]\n"
                                             "White=0016777215\n"
                                             "Red=4292673536\n"
                                             "Letters=12abc\n"
                                             "Word=abc\n"
                                             "Negative=-500\n"
                                             "Plus=+7\n"
                                             "Hex=0x10\n"
                                             "Wrap=4294967296\n"
                                             "MinusOne=-1\n"
                                             "Empty=\n"
                                             "Quoted=\"42\"\n"
                                             "Space=1 2\n");
        QCOMPARE(ReadProfileIntClock(f, "C", "White", 9), 16777215u);
        QCOMPARE(ReadProfileIntClock(f, "C", "Red", 9), 0xFFDD0000u);
        QCOMPARE(ReadProfileIntClock(f, "C", "Letters", 9), 12u);
        QCOMPARE(ReadProfileIntClock(f, "C", "Word", 9), 0u);
        QCOMPARE(static_cast<int32_t>(ReadProfileIntClock(f, "C", "Negative", 9)), -500);
        QCOMPARE(ReadProfileIntClock(f, "C", "Plus", 9), 7u);
        QCOMPARE(ReadProfileIntClock(f, "C", "Hex", 9), 0u);
        QCOMPARE(ReadProfileIntClock(f, "C", "Wrap", 9), 0u);
        QCOMPARE(ReadProfileIntClock(f, "C", "MinusOne", 9), 0xFFFFFFFFu);
        QCOMPARE(ReadProfileIntClock(f, "C", "Empty", 9), 9u);
        QCOMPARE(ReadProfileIntClock(f, "C", "Quoted", 9), 42u);
        QCOMPARE(ReadProfileIntClock(f, "C", "Space", 9), 1u);
        // Many digits keep wrapping without overflow faults.
        QCOMPARE(ParseClockInteger(QString(1000, '9')) + 1u, 0u);
    }

    void customizerIntegerRule() {
        const QString f = Write("customizer.ini", "[C]\n"
                                                  "Dec=128\n"
                                                  "Letters=12abc\n"
                                                  "Hex=0x1F\n"
                                                  "HexUpper=0XfF\n"
                                                  "Dollar=$80\n"
                                                  "Negative=-15\n"
                                                  "Empty=\n"
                                                  "PrefixOnly=0x\n"
                                                  "Dollars=$\n"
                                                  "BadHex=0x1G\n"
                                                  "Colour=4292673536\n"
                                                  "Max=2147483647\n"
                                                  "AllBits=$FFFFFFFF\n"
                                                  "TooWide=0x100000000\n"
                                                  "Padded=0x00000000FF\n");
        QCOMPARE(ReadProfileIntCustomizer(f, "C", "Dec", 1), 128);
        QCOMPARE(ReadProfileIntCustomizer(f, "C", "Letters", 1), 1);
        QCOMPARE(ReadProfileIntCustomizer(f, "C", "Hex", 1), 31);
        QCOMPARE(ReadProfileIntCustomizer(f, "C", "HexUpper", 1), 255);
        QCOMPARE(ReadProfileIntCustomizer(f, "C", "Dollar", 1), 128);
        QCOMPARE(ReadProfileIntCustomizer(f, "C", "Negative", 1), -15);
        QCOMPARE(ReadProfileIntCustomizer(f, "C", "Empty", 1), 1);
        QCOMPARE(ReadProfileIntCustomizer(f, "C", "PrefixOnly", 1), 1);
        QCOMPARE(ReadProfileIntCustomizer(f, "C", "Dollars", 1), 1);
        QCOMPARE(ReadProfileIntCustomizer(f, "C", "BadHex", 1), 1);
        QCOMPARE(ReadProfileIntCustomizer(f, "C", "Colour", 1), 1);
        QCOMPARE(ReadProfileIntCustomizer(f, "C", "Max", 1), 2147483647);
        QCOMPARE(ReadProfileIntCustomizer(f, "C", "AllBits", 1), -1);
        QCOMPARE(ReadProfileIntCustomizer(f, "C", "TooWide", 1), 1);
        QCOMPARE(ReadProfileIntCustomizer(f, "C", "Padded", 1), 255);
        QCOMPARE(ParseCustomizerInteger("-2147483648"), std::optional<int>(INT32_MIN));
        QCOMPARE(ParseCustomizerInteger("2147483648"), std::optional<int>());
        QCOMPARE(ParseCustomizerInteger(QString(500, '9')), std::optional<int>());
    }

    void commentsBlankLinesAndOddLinesAreSkipped() {
        const QString f = Write("odd.ini", "Loose=before any section\n"
                                           "; [S]\n"
                                           "[S]\n"
                                           "; Key=commented\n"
                                           "# Key=hashed\n"
                                           "\n"
                                           "no equals sign here\n"
                                           "=no key\n"
                                           "[broken\n"
                                           "Key=real\n"
                                           "  [ Spaced ]  \n"
                                           "A=1\n");
        QCOMPARE(Read(f, "S", "Key"), QString("real"));
        QCOMPARE(Read(f, "S", "no equals sign here"), QString("<def>"));
        QCOMPARE(Read(f, "", "Loose"), QString("<def>"));
        QCOMPARE(Read(f, "Spaced", "A"), QString("1"));
    }

    void firstDuplicateWinsAcrossRepeatedSections() {
        const QString f = Write("dup.ini", "[S]\nKey=first\nKey=second\n[T]\nOther=1\n"
                                           "[s]\nKey=third\nLater=found\n");
        QCOMPARE(Read(f, "S", "Key"), QString("first"));
        QCOMPARE(Read(f, "S", "Later"), QString("found"));
    }

    void lineEndingsAndByteOrderMark() {
        const QString f = Write("crlf.ini", "\xEF\xBB\xBF[S]\r\nKey=crlf\r\nLast=no end");
        QCOMPARE(Read(f, "S", "Key"), QString("crlf"));
        QCOMPARE(Read(f, "S", "Last"), QString("no end"));
    }

    void encodingIsChosenPerFile() {
        const QString utf8 = Write("utf8.ini", "[S]\nName=Gr\xC3\xBC\xC3\x9F\x65\n");
        QCOMPARE(Read(utf8, "S", "Name"), QString::fromUtf8("Grüße"));
        // One byte that is not UTF-8 makes the whole file Windows-1252.
        const QString ansi = Write("ansi.ini", "[S]\nEuro=\x80\nName=Gr\xC3\xBC\n");
        QCOMPARE(Read(ansi, "S", "Euro"), QString(QChar(0x20AC)));
        QCOMPARE(Read(ansi, "S", "Name"), QString::fromUtf8("GrÃ¼"));
        // A language file with a Shift_JIS Charset names its code page.
        const QString sjis = Write("sjis.lng", "[MainTab]\nTheme=\x83\x65\x81\x5B\x83\x7D\n");
        QCOMPARE(ReadProfileString(sjis, "MainTab", "Theme", "", 2048, 932),
                 QString::fromUtf8("テーマ"));
        // Non-ASCII names match too, without regard to case.
        const QString names = Write("names.ini", "[Grüße]\nÄrger=1\n");
        QCOMPARE(Read(names, QString::fromUtf8("grüße"), QString::fromUtf8("ärger")), QString("1"));
    }

    void malformedFilesGiveDefaults() {
        QByteArray garbage(256 * 1024, '\0');
        quint32 seed = 12345;
        for (char& byte : garbage) {
            seed = seed * 1103515245u + 12345u;
            byte = static_cast<char>(seed >> 24);
        }
        const QString g = Write("garbage.ini", garbage);
        QCOMPARE(Read(g, "Window", "Left"), QString("<def>"));
        QCOMPARE(ReadProfileIntClock(g, "Window", "Left", 10), 10u);

        const QString nul =
            Write("nul-bytes.ini", QByteArray("[S]\nKey=ab\0cd\nNext=1\n\0\0[T]\nX=2\n", 31));
        QCOMPARE(Read(nul, "S", "Key"), QString("ab"));
        QCOMPARE(Read(nul, "S", "Next"), QString("1"));
        QCOMPARE(Read(nul, "T", "X"), QString("<def>")); // the header line starts with NUL bytes

        const QString longLine =
            Write("long.ini", "[S]\nBig=" + QByteArray(1024 * 1024, 'x') + "\nAfter=ok\n");
        QCOMPARE(Read(longLine, "S", "After"), QString("ok"));
        QCOMPARE(ReadProfileString(longLine, "S", "Big", "", kClockTextCapacity),
                 QString(255, 'x'));

        const QString noNewline = Write("nonewline.ini", QByteArray(2 * 1024 * 1024, '['));
        QCOMPARE(Read(noNewline, "S", "Key"), QString("<def>"));
    }

    void fiftyMegabyteFileIsReadInOnePass() {
        QByteArray block;
        for (int i = 0; i < 1000; ++i) {
            block +=
                "Key" + QByteArray::number(i) + "=value number " + QByteArray::number(i) + "\r\n";
        }
        QByteArray bytes = "[Big]\r\n";
        while (bytes.size() < 50 * 1024 * 1024) {
            bytes += block;
        }
        bytes += "[Tail]\r\nEnd=found\r\n";
        const QString f = Write("big.ini", bytes);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(Read(f, "Tail", "End"), QString("found"));
        QCOMPARE(Read(f, "Big", "Key999"), QString("value number 999"));
        qInfo("two reads of a %lld-byte file: %lld ms", static_cast<long long>(bytes.size()),
              static_cast<long long>(timer.elapsed()));
    }

    void manySectionsAreStillFound() {
        QByteArray bytes;
        for (int i = 0; i < 70000; ++i) {
            bytes += "[S" + QByteArray::number(i) + "]\nK=" + QByteArray::number(i) + "\n";
        }
        const QString f = Write("sections.ini", bytes);
        QCOMPARE(ReadProfileIntClock(f, "s69999", "k", 0), 69999u);
        QCOMPARE(ReadProfileIntClock(f, "S5", "K", 0), 5u);
        QCOMPARE(ReadProfileIntClock(f, "S70000", "K", 1), 1u);
    }

    void cachedCopyGivesWayToReplacementsWithOldTimes() {
        const QDateTime past = QDateTime::currentDateTime().addSecs(-3600);
        auto writeOld = [&](const QString& name, const QByteArray& bytes) {
            const QString path = Write(name, bytes);
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(past, QFileDevice::FileModificationTime));
        };
        writeOld("old.ini", "[S]\nKey=1\n");
        const QString f = dir_.filePath("old.ini");
        QCOMPARE(ReadProfileIntClock(f, "S", "Key", 0), 1u);
        QCOMPARE(ReadProfileIntClock(f, "S", "Key", 0), 1u); // now from the cache
        // Replaced by rename, same size and modification time: another inode.
        writeOld("new.ini", "[S]\nKey=2\n");
        QVERIFY(QFile::remove(f));
        QVERIFY(QFile::rename(dir_.filePath("new.ini"), f));
        QCOMPARE(ReadProfileIntClock(f, "S", "Key", 0), 2u);
        QCOMPARE(ReadProfileIntClock(f, "S", "Key", 0), 2u);
        // Rewritten in place and its time set back: the change time differs.
        writeOld("old.ini", "[S]\nKey=3\n");
        QCOMPARE(ReadProfileIntClock(f, "S", "Key", 0), 3u);
    }

    void rereadSeesChangesMadeBehindTheCache() {
        const QString f = Write("change.ini", "[S]\nKey=1\n");
        QCOMPARE(ReadProfileIntClock(f, "S", "Key", 0), 1u);
        // Same size, rewritten in place at once: the cache must not serve the old text.
        Write("change.ini", "[S]\nKey=2\n");
        QCOMPARE(ReadProfileIntClock(f, "S", "Key", 0), 2u);
        QFile::remove(f);
        QCOMPARE(ReadProfileIntClock(f, "S", "Key", 0), 0u);
    }
};

QTEST_GUILESS_MAIN(ProfileReadTest)
#include "test_profile_read.moc"
