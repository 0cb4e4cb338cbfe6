// Decoding the 8-bit text of profile files.

#include "common/text_decoding.h"

#include <QtTest>

using namespace tikloom;

class TextDecodingTest : public QObject {
    Q_OBJECT

private slots:
    void validUtf8IsUtf8() {
        QCOMPARE(DecodeProfileText("Gr\xC3\xBC\xC3\x9F\x65 \xE2\x82\xAC \xF0\x9F\x98\x80"),
                 QString::fromUtf8("Grüße € 😀"));
        QVERIFY(IsValidUtf8(QByteArray("plain ascii")));
        QVERIFY(IsValidUtf8(QByteArray()));
    }

    void leadingMarksAreKeptAsCharacters() {
        const QChar mark(0xFEFF);
        QCOMPARE(DecodeUtf8("\xEF\xBB\xBFn"), QString(mark) + "n");
        QCOMPARE(DecodeUtf8("\xEF\xBB\xBF\xEF\xBB\xBF"), QString(2, mark));
        QCOMPARE(DecodeUtf8("a\xEF\xBB\xBF"), QString("a") + mark);
        QCOMPARE(DecodeProfileText("\xEF\xBB\xBFx"), QString(mark) + "x");
        QCOMPARE(DecodeProfileText("\xEF\xBB\xBFx", 65001), QString(mark) + "x");
    }

    void invalidUtf8FallsBackToWindows1252() {
        QCOMPARE(DecodeProfileText("\x80"), QString(QChar(0x20AC)));
        QCOMPARE(DecodeProfileText("Caf\xE9"), QString::fromUtf8("Café"));
        QCOMPARE(DecodeProfileText("\x93quoted\x94 \x85"), QString::fromUtf8("“quoted” …"));
        // Bytes 1252 leaves unassigned keep their own number.
        QCOMPARE(DecodeProfileText("\x81\x8D\x8F\x90\x9D"),
                 QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
        // Forms UTF-8 forbids: overlong, surrogate, beyond U+10FFFF, cut off.
        for (const QByteArray& bad : {QByteArray("\xC0\xAF"), QByteArray("\xED\xA0\x80"),
                                      QByteArray("\xF4\x90\x80\x80"), QByteArray("ab\xE2\x82")}) {
            QVERIFY2(!IsValidUtf8(bad), bad.toHex().constData());
            QCOMPARE(DecodeProfileText(bad), DecodeWindows1252(bad));
        }
    }

    void windows1252RoundTrip() {
        QByteArray every(256, '\0');
        for (int i = 0; i < 256; ++i) {
            every[i] = static_cast<char>(i);
        }
        QCOMPARE(EncodeWindows1252(DecodeWindows1252(every)), std::optional<QByteArray>(every));
        QCOMPARE(EncodeWindows1252(QString::fromUtf8("テ")), std::optional<QByteArray>());
    }

    void namedCodePages() {
        // テーマ in Shift_JIS, 한국어 in CP949, 中文 in GBK and in Big5, Привет in 1251.
        QCOMPARE(DecodeProfileText("\x83\x65\x81\x5B\x83\x7D", 932), QString::fromUtf8("テーマ"));
        QCOMPARE(DecodeProfileText("\xC7\xD1\xB1\xB9\xBE\xEE", 949), QString::fromUtf8("한국어"));
        QCOMPARE(DecodeProfileText("\xD6\xD0\xCE\xC4", 936), QString::fromUtf8("中文"));
        QCOMPARE(DecodeProfileText("\xA4\xA4\xA4\xE5", 950), QString::fromUtf8("中文"));
        QCOMPARE(DecodeProfileText("\xCF\xF0\xE8\xE2\xE5\xF2", 1251), QString::fromUtf8("Привет"));
        QCOMPARE(DecodeProfileText("\x80", 1252), QString(QChar(0x20AC)));
        // A broken sequence costs one replacement character, not the rest of the text.
        QCOMPARE(DecodeProfileText("a\x83\x20z", 932).right(1), QString("z"));
        // An unknown code page falls back to the automatic choice.
        QCOMPARE(DecodeProfileText("Caf\xE9", 99999), QString::fromUtf8("Café"));
    }

    void charsetNamesItsCodePage() {
        QCOMPARE(CodePageForCharset(0), 0);
        QCOMPARE(CodePageForCharset(1), 0);
        QCOMPARE(CodePageForCharset(128), 932);
        QCOMPARE(CodePageForCharset(129), 949);
        QCOMPARE(CodePageForCharset(134), 936);
        QCOMPARE(CodePageForCharset(136), 950);
        QCOMPARE(CodePageForCharset(204), 1251);
        QCOMPARE(CodePageForCharset(238), 1250);
        QCOMPARE(CodePageForCharset(222), 874);
        QCOMPARE(CodePageForCharset(2), 0);
    }
};

QTEST_GUILESS_MAIN(TextDecodingTest)
#include "test_text_decoding.moc"
