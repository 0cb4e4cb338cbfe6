// Writing profile files: in-place edits that keep every other byte, whole
// section replacement, refusals, encodings, and two processes writing one
// file at the same time.

#include "common/profile_file.h"
#include "support/file_contents.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using namespace tikloom;
using tikloom::test::Contents;
using tikloom::test::Store;

namespace {

// A new file takes the system's line ending: CR LF on Windows, as its own
// profile functions write.
QByteArray NewFile(QByteArray text) {
#ifdef Q_OS_WIN
    return text.replace("\n", "\r\n");
#else
    return text;
#endif
}

const char* const kChildSwitch = "--write-child";
constexpr int kChildWrites = 200;

// One child of the concurrency test: many writes of its own keys, and (for
// the second child) of a whole section, into the shared file.
int RunWriteChild(const QString& file, const QString& section) {
    for (int i = 0; i < kChildWrites; ++i) {
        const QString n = QString::number(i);
        if (!WriteProfileString(file, section, "Key" + n, n)) {
            return 1;
        }
        if (section == QLatin1String("Second") &&
            !WriteProfileSection(file, "Window", {"Left=" + n, "Top=" + n, "Minimized=0"})) {
            return 1;
        }
    }
    return 0;
}

} // namespace

class ProfileWriteTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString Path(const QString& name) const { return dir_.filePath(name); }

    QString Read(const QString& file, const QString& section, const QString& key) {
        return ReadProfileString(file, section, key, QStringLiteral("<def>"), 2048);
    }

private slots:
    void writeKeepsEveryOtherLineByteForByte() {
        const QString f = Path("settings.ini");
        const QByteArray original = "\xEF\xBB\xBF; Settings of the clock\r\n"
                                    "[Window]\r\n"
                                    "Left = 5\r\n"
                                    "Top=7 ; not a comment\r\n"
                                    "\r\n"
                                    "; the options follow\r\n"
                                    "[Options]\r\n"
                                    "HighQualitySmoothing=1\r\n"
                                    "  odd line without equals\r\n"
                                    "\r\n"
                                    "\r\n"
                                    "[Theme]\r\n"
                                    "FileName=\"My Theme.tkm\"\r\n";
        Store(f, original);
        QVERIFY(WriteProfileString(f, "window", "LEFT", "-20"));
        QVERIFY(WriteProfileString(f, "Options", "MinimizeShortcutKey", "65"));
        QVERIFY(WriteProfileString(f, "Theme", "FileName", "x.tkm"));
        QVERIFY(WriteProfileString(f, "Window", "Minimized", "1"));
        QVERIFY(WriteProfileString(f, "Locale", "Language", ""));
        const QByteArray expected = "\xEF\xBB\xBF; Settings of the clock\r\n"
                                    "[Window]\r\n"
                                    "Left = -20\r\n"
                                    "Top=7 ; not a comment\r\n"
                                    "Minimized=1\r\n"
                                    "\r\n"
                                    "; the options follow\r\n"
                                    "[Options]\r\n"
                                    "HighQualitySmoothing=1\r\n"
                                    "  odd line without equals\r\n"
                                    "MinimizeShortcutKey=65\r\n"
                                    "\r\n"
                                    "\r\n"
                                    "[Theme]\r\n"
                                    "FileName=x.tkm\r\n"
                                    "\r\n"
                                    "[Locale]\r\n"
                                    "Language=\r\n";
        QCOMPARE(Contents(f), expected);
        QCOMPARE(Read(f, "Window", "Left"), QString("-20"));
        QCOMPARE(Read(f, "Locale", "Language"), QString(""));
    }

    void newFileGetsSectionsInOrderOfFirstWrite() {
        const QString f = Path("new.tkm");
        QVERIFY(WriteProfileString(f, "Background", "Image", "Themes\\a.png"));
        QVERIFY(WriteProfileString(f, "Options", "ShowCaption", "1"));
        QVERIFY(WriteProfileString(f, "Background", "KeepAspectRatio", "0"));
        QVERIFY(WriteProfileString(f, "Dimension", "Radius", "600"));
        QVERIFY(WriteProfileString(f, "Options", "ShowCaption", "0"));
        QCOMPARE(Contents(f), NewFile("[Background]\nImage=Themes\\a.png\nKeepAspectRatio=0\n"
                                      "\n[Options]\nShowCaption=0\n"
                                      "\n[Dimension]\nRadius=600\n"));
    }

    void lastLineWithoutEndingStaysWhole() {
        const QString f = Path("noend.ini");
        Store(f, "[A]\nX=1");
        QVERIFY(WriteProfileString(f, "A", "Y", "2"));
        QCOMPARE(Contents(f), QByteArray("[A]\nX=1\nY=2"));
        QVERIFY(WriteProfileString(f, "B", "Z", "3"));
        QCOMPARE(Contents(f), QByteArray("[A]\nX=1\nY=2\n\n[B]\nZ=3\n"));
        Store(f, "[A]");
        QVERIFY(WriteProfileString(f, "A", "X", "1"));
        QCOMPARE(Contents(f), NewFile("[A]\nX=1")); // no line ending to follow
    }

    void duplicatesAreResolvedLikeReads() {
        const QString f = Path("dup.ini");
        Store(f, "[S]\nKey=first\nKey=second\n[T]\nA=1\n[s]\nKey=third\n");
        QVERIFY(WriteProfileString(f, "S", "Key", "new"));
        QVERIFY(WriteProfileString(f, "S", "Added", "yes"));
        QCOMPARE(Contents(f),
                 QByteArray("[S]\nKey=new\nKey=second\nAdded=yes\n[T]\nA=1\n[s]\nKey=third\n"));
        QCOMPARE(Read(f, "S", "Key"), QString("new"));
    }

    void valuesReadBackExactlyAsWritten() {
        const QString f = Path("values.ini");
        const QStringList values = {" padded ",
                                    "\"quoted\"",
                                    "'single'",
                                    "\"",
                                    "a=b;c#d",
                                    "%H:%M\\n%A",
                                    QString::fromUtf8("Grüße テーマ")};
        for (int i = 0; i < values.size(); ++i) {
            QVERIFY(WriteProfileString(f, "V", "K" + QString::number(i), values[i]));
        }
        for (int i = 0; i < values.size(); ++i) {
            QCOMPARE(Read(f, "V", "K" + QString::number(i)), values[i]);
        }
    }

    // A leading U+FEFF is a character of the text, not a byte-order mark,
    // wherever it stands: in a value, a key or a section name.
    void leadingZeroWidthNoBreakSpaceReadsBack() {
        const QString mark(QChar(0xFEFF));
        const QString f = Path("marks.ini");
        // Windows-1252 bytes first, so that the write converts the file to UTF-8.
        Store(f, "ax6Sh\xF2\x83\xFF\xFEx=s\\\r3");
        QVERIFY(WriteProfileString(f, "%", "s", mark + "n"));
        QCOMPARE(Read(f, "%", "s"), mark + "n");
        QVERIFY(WriteProfileString(f, mark + "S", mark + mark + "K", mark + mark + "v"));
        QCOMPARE(Read(f, mark + "S", mark + mark + "K"), mark + mark + "v");
        QCOMPARE(Read(f, "S", "K"), QString("<def>"));
    }

    void writeSectionReplacesTheWholeSection() {
        const QString f = Path("section.ini");
        Store(f, "[Window]\r\n"
                 "Left=1\r\n"
                 "; a user's note\r\n"
                 "Extra=by hand\r\n"
                 "\r\n"
                 "; about the options\r\n"
                 "[Options]\r\n"
                 "Extra=stays\r\n"
                 "[window]\r\n"
                 "Top=99\r\n");
        QVERIFY(WriteProfileSection(f, "Window", {"Left=-500", "Top=10", "Minimized=1"}));
        QCOMPARE(Contents(f), QByteArray("[Window]\r\n"
                                         "Left=-500\r\n"
                                         "Top=10\r\n"
                                         "Minimized=1\r\n"
                                         "\r\n"
                                         "; about the options\r\n"
                                         "[Options]\r\n"
                                         "Extra=stays\r\n"));
        QCOMPARE(Read(f, "Window", "Extra"), QString("<def>"));
        QCOMPARE(Read(f, "Options", "Extra"), QString("stays"));

        const QString fresh = Path("fresh.ini");
        QVERIFY(WriteProfileSection(fresh, "Window", {"Left=10", "Top=10", "Minimized=0"}));
        QCOMPARE(Contents(fresh), NewFile("[Window]\nLeft=10\nTop=10\nMinimized=0\n"));
        QVERIFY(WriteProfileSection(fresh, "Window", {}));
        QCOMPARE(Contents(fresh), NewFile("[Window]\n"));
    }

    void unwritableNamesAndValuesAreRefused() {
        const QString f = Path("refuse.ini");
        const QByteArray original = "[S]\nKey=1\n";
        Store(f, original);
        QVERIFY(!WriteProfileString(f, "S", "Key", "two\nlines"));
        QVERIFY(!WriteProfileString(f, "S", "Key", "cr\r"));
        QVERIFY(!WriteProfileString(f, "S", "", "1"));
        QVERIFY(!WriteProfileString(f, "", "Key", "1"));
        QVERIFY(!WriteProfileString(f, "S]x", "Key", "1"));
        QVERIFY(!WriteProfileString(f, "S", "K=ey", "1"));
        QVERIFY(!WriteProfileString(f, "S", ";Key", "1"));
        QVERIFY(!WriteProfileString(f, "S", "[Key", "1"));
        QVERIFY(!WriteProfileString(f, "S", " Key", "1"));
        QVERIFY(!WriteProfileSection(f, "S", {"no equals"}));
        QVERIFY(!WriteProfileSection(f, "S", {"A=1\n[T]"}));
        QVERIFY(!WriteProfileString(QString(), "S", "Key", "1"));
        QVERIFY(!WriteProfileString(Path("no/such/folder/x.ini"), "S", "Key", "1"));
        QCOMPARE(Contents(f), original);
    }

    void readOnlyFileIsNotWrittenAndPermissionsStay() {
        const QString f = Path("locked.tkm");
        const QByteArray original = "[Background]\nImage=a.png\n";
        Store(f, original);
        QVERIFY(QFile::setPermissions(f, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                             QFileDevice::ReadOther));
        QVERIFY(!WriteProfileString(f, "Background", "Image", "b.png"));
        QVERIFY(!WriteProfileSection(f, "Background", {"Image=b.png"}));
        QCOMPARE(Contents(f), original);

        const QFileDevice::Permissions mode =
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(f, mode));
        QVERIFY(WriteProfileString(f, "Background", "Image", "b.png"));
        QCOMPARE(Read(f, "Background", "Image"), QString("b.png"));
#ifdef Q_OS_WIN
        // Windows keeps only the read-only attribute: the file is writable again.
        QVERIFY(QFile::permissions(f).testFlag(QFileDevice::WriteOwner));
#else
        QCOMPARE(QFile::permissions(f) & 0x7077, mode & 0x7077);
#endif
    }

    void windows1252FileStaysConsistent() {
        const QString f = Path("ansi.ini");
        Store(f, "[S]\nName=Caf\xE9\n");
        QVERIFY(WriteProfileString(f, "S", "Price", QString::fromUtf8("5 €")));
        QCOMPARE(Contents(f), QByteArray("[S]\nName=Caf\xE9\nPrice=5 \x80\n"));
        // A character 1252 lacks turns the whole file into UTF-8, text unchanged.
        QVERIFY(WriteProfileString(f, "S", "Title", QString::fromUtf8("テーマ")));
        QCOMPARE(Read(f, "S", "Name"), QString::fromUtf8("Café"));
        QCOMPARE(Read(f, "S", "Price"), QString::fromUtf8("5 €"));
        QCOMPARE(Read(f, "S", "Title"), QString::fromUtf8("テーマ"));
    }

    void utf16FileStaysUtf16() {
        const QString f = Path("unicode.ini");
        const QString text = QString::fromUtf8("[Locale]\r\nLanguage=日本.lng\r\n");
        QByteArray little("\xFF\xFE");
        for (const QChar c : text) {
            little += static_cast<char>(c.unicode() & 0xFF);
            little += static_cast<char>(c.unicode() >> 8);
        }
        Store(f, little);
        QCOMPARE(Read(f, "locale", "language"), QString::fromUtf8("日本.lng"));
        QVERIFY(WriteProfileString(f, "Window", "Left", "5"));
        const QByteArray written = Contents(f);
        QVERIFY(written.startsWith(little));
        QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t*>(written.constData() + 2),
                                    (written.size() - 2) / 2),
                 text + "\r\n[Window]\r\nLeft=5\r\n");
        QCOMPARE(ReadProfileIntClock(f, "Window", "Left", 10), 5u);
    }

    void writingIntoGarbageKeepsTheGarbage() {
        const QString f = Path("garbage.ini");
        QByteArray garbage("\x00\xFF\x01[\x80\n=\n]]\r\r\x00junk", 18);
        Store(f, garbage);
        QVERIFY(WriteProfileString(f, "Window", "Left", "3"));
        QVERIFY(Contents(f).startsWith(garbage));
        QCOMPARE(ReadProfileIntClock(f, "Window", "Left", 10), 3u);
    }

    void concurrentWritersLoseNothing() {
        const QString f = Path("shared.ini");
        QProcess first;
        QProcess second;
        const QString self = QCoreApplication::applicationFilePath();
        first.start(self, {kChildSwitch, f, "First"});
        second.start(self, {kChildSwitch, f, "Second"});
        QVERIFY(first.waitForFinished(120000));
        QVERIFY(second.waitForFinished(120000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        for (int i = 0; i < kChildWrites; ++i) {
            const QString n = QString::number(i);
            QCOMPARE(Read(f, "First", "Key" + n), n);
            QCOMPARE(Read(f, "Second", "Key" + n), n);
        }
        QCOMPARE(ReadProfileIntClock(f, "Window", "Left", 0), uint32_t{kChildWrites - 1});
        // No temporary files are left behind.
        QCOMPARE(QDir(dir_.path()).entryList({"shared*"}, QDir::Files | QDir::Hidden),
                 QStringList{"shared.ini"});
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], kChildSwitch) == 0) {
        return RunWriteChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    ProfileWriteTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_profile_write.moc"
