// Conversions between stored theme values and what the editor shows.
#include "customizer/helpers/round_half_up.h"
#include "customizer/helpers/theme_color.h"
#include "customizer/helpers/theme_key_table.h"

#include <QSet>
#include <QTest>

using namespace tikloom;

class TestThemeValues : public QObject {
    Q_OBJECT

private slots:
    void roundHalfUpGoesUpOnHalves() {
        QCOMPARE(RoundHalfUp(127.5), 128);
        QCOMPARE(RoundHalfUp(-0.5), 0);
        QCOMPARE(RoundHalfUp(-1.5), -1);
        QCOMPARE(RoundHalfUp(2.49), 2);
        QCOMPARE(RoundHalfUp(7.0), 7);
    }

    void colourExamples() {
        QCOMPARE(FormatThemeColor(QColor(0xDD, 0x00, 0x00), 0), QStringLiteral("4292673536"));
        // Ten digits with leading zeros.
        QCOMPARE(FormatThemeColor(QColor(0xFF, 0xFF, 0xFF), 100), QStringLiteral("0016777215"));
        QCOMPARE(FormatThemeColor(QColor(0, 0, 0), 60), QStringLiteral("1711276032"));
    }

    void transparencySurvivesSaveAndLoad_data() {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("alpha");
        QTest::newRow("50 %") << 50 << 127;
        QTest::newRow("60 %") << 60 << 102;
        QTest::newRow("opaque") << 0 << 255;
        QTest::newRow("invisible") << 100 << 0;
    }
    void transparencySurvivesSaveAndLoad() {
        QFETCH(int, percent);
        QFETCH(int, alpha);
        const QString text = FormatThemeColor(QColor(0x12, 0x34, 0x56), percent);
        const ThemeColor loaded = ParseThemeColor(text);
        QCOMPARE(loaded.alpha, alpha);
        QCOMPARE(loaded.rgb, QColor(0x12, 0x34, 0x56));
        QCOMPARE(TransparencyFromAlpha(loaded.alpha), percent);
    }

    void everyPercentageRoundTrips() {
        for (int percent = 0; percent <= 100; ++percent) {
            const ThemeColor loaded = ParseThemeColor(FormatThemeColor(Qt::black, percent));
            QCOMPARE(TransparencyFromAlpha(loaded.alpha), percent);
        }
    }

    void colourTextIsReadUpToTheFirstNonDigit() {
        const ThemeColor twelve = ParseThemeColor(QStringLiteral("12abc"));
        QCOMPARE(twelve.rgb, QColor(0, 0, 12));
        QCOMPARE(twelve.alpha, 0);
        QCOMPARE(TransparencyFromAlpha(twelve.alpha), 100);

        const ThemeColor empty = ParseThemeColor(QString());
        QCOMPARE(empty.rgb, QColor(Qt::black));
        QCOMPARE(empty.alpha, 0);

        // Beyond 32 bits the number wraps: 2^32 + 5 reads as 5.
        QCOMPARE(ParseThemeColor(QStringLiteral("4294967301")).rgb, QColor(0, 0, 5));
        QCOMPARE(ParseThemeColor(QStringLiteral("4292673536")).alpha, 255);
        QCOMPARE(ParseThemeColor(QStringLiteral("4292673536")).rgb, QColor(0xDD, 0, 0));
    }

    void fontSizesAndOpacityLimits() {
        QCOMPARE(FontPointsFromStored(85), 8);
        QCOMPARE(StoredFromFontPoints(FontPointsFromStored(85)), 80);
        QCOMPARE(PositionFromTransparencyLimit(20), 80);
        QCOMPARE(PositionFromTransparencyLimit(70), 30);
        QCOMPARE(TransparencyLimitFromPosition(75), 25);
    }

    void keyTableWritesSectionsInFileOrder() {
        QStringList sections;
        QSet<QString> keys;
        for (const ThemeKeyRow& row : ThemeKeyTable()) {
            const QString section = QString::fromLatin1(row.section);
            if (sections.isEmpty() || sections.last() != section) {
                QVERIFY2(!sections.contains(section), qPrintable(section + " split in two"));
                sections.append(section);
            }
            const QString key = section + QLatin1Char('/') + QString::fromLatin1(row.key);
            QVERIFY2(!keys.contains(key), qPrintable(key + " twice"));
            keys.insert(key);
        }
        QCOMPARE(sections, QStringList({"Background", "Options", "Dimension", "Color", "Font",
                                        "Caption", "Transparency"}));
        QCOMPARE(keys.size(), 59);
    }

    void keyTableAbsentValues() {
        auto row = [](const char* key) {
            for (const ThemeKeyRow& r : ThemeKeyTable())
                if (qstrcmp(r.key, key) == 0)
                    return r;
            qFatal("no row %s", key);
        };
        QCOMPARE(row("MinorTickSize").absentNumber, 15);
        QCOMPARE(row("MajorTickSize").absentNumber, 30);
        QCOMPARE(row("CaptionY").absentNumber, 260);
        QCOMPARE(QString::fromLatin1(row("ShadowColor").absentText), QStringLiteral("1711276032"));
        QCOMPARE(TransparencyFromAlpha(ParseThemeColor(row("ShadowColor").absentText).alpha), 60);
        QCOMPARE(TransparencyFromAlpha(ParseThemeColor(row("BackgroundColor").absentText).alpha),
                 100);
        QCOMPARE(QString::fromLatin1(row("MaskFile").absentText),
                 QStringLiteral("Themes\\default_mask.png"));
    }
};

QTEST_GUILESS_MAIN(TestThemeValues)
#include "test_theme_values.moc"
