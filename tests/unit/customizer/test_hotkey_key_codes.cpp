// The hot-key box's rules for characters and stored codes.
#include "customizer/helpers/hotkey_key_codes.h"

#include <QtTest>

using namespace tikloom;

class TestHotkeyKeyCodes : public QObject {
    Q_OBJECT

private slots:
    void charactersAreTakenUpperCased_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("code");
        QTest::newRow("k") << QStringLiteral("k") << int(Qt::Key_K) << 75;
        QTest::newRow("Z") << QStringLiteral("Z") << int(Qt::Key_Z) << 90;
        QTest::newRow("digit") << QStringLiteral("7") << int(Qt::Key_7) << 55;
        QTest::newRow("space") << QStringLiteral(" ") << int(Qt::Key_Space) << 32;
        QTest::newRow("backspace") << QStringLiteral("\b") << int(Qt::Key_Backspace) << 8;
        QTest::newRow("backspace no text") << QString() << int(Qt::Key_Backspace) << 8;
        QTest::newRow("enter") << QStringLiteral("\r") << int(Qt::Key_Return) << 13;
        QTest::newRow("keypad enter no text") << QString() << int(Qt::Key_Enter) << 13;
        QTest::newRow("escape no text") << QString() << int(Qt::Key_Escape) << 27;
        QTest::newRow("escape") << QStringLiteral("\x1b") << int(Qt::Key_Escape) << 27;
    }

    void charactersAreTakenUpperCased() {
        QFETCH(QString, text);
        QFETCH(int, key);
        QFETCH(int, code);
        const HotkeyInput input = ClassifyHotkeyInput(text, key);
        QCOMPARE(input.kind, HotkeyInputKind::Take);
        QCOMPARE(int(input.character.unicode()), code);
        QCOMPARE(HotkeyCodeForText(QString(input.character)), code);
    }

    void keysWithoutCharacterAndTabArePassedOn() {
        QCOMPARE(ClassifyHotkeyInput(QString(), Qt::Key_Left).kind, HotkeyInputKind::PassOn);
        QCOMPARE(ClassifyHotkeyInput(QString(), Qt::Key_Delete).kind, HotkeyInputKind::PassOn);
        // X11 delivers Delete with the text DEL.
        QCOMPARE(ClassifyHotkeyInput(QStringLiteral("\x7f"), Qt::Key_Delete).kind,
                 HotkeyInputKind::PassOn);
        QCOMPARE(ClassifyHotkeyInput(QString(), Qt::Key_F5).kind, HotkeyInputKind::PassOn);
        QCOMPARE(ClassifyHotkeyInput(QStringLiteral("\t"), Qt::Key_Tab).kind,
                 HotkeyInputKind::PassOn);
        QCOMPARE(ClassifyHotkeyInput(QString(), Qt::Key_Backtab).kind, HotkeyInputKind::PassOn);
    }

    void charactersWithoutKeyCodeAreRefused() {
        QCOMPARE(ClassifyHotkeyInput(QString::fromUtf8("\xc3\xa4"), Qt::Key_Adiaeresis).kind,
                 HotkeyInputKind::Refuse);
        QCOMPARE(ClassifyHotkeyInput(QString::fromUtf8("\xe2\x82\xac"), 0).kind,
                 HotkeyInputKind::Refuse);
    }

    void storedCodesShowTheirLowByte() {
        QCOMPARE(HotkeyTextForCode(67), QStringLiteral("C"));
        QCOMPARE(HotkeyTextForCode(0x100 + 75), QStringLiteral("K"));
        QCOMPARE(HotkeyTextForCode(8), QStringLiteral("\b"));
        QCOMPARE(HotkeyTextForCode(0), QString());
        QCOMPARE(HotkeyTextForCode(0x200), QString());
        QCOMPARE(HotkeyCodeForText(QString()), 0);
    }
};

QTEST_GUILESS_MAIN(TestHotkeyKeyCodes)
#include "test_hotkey_key_codes.moc"
