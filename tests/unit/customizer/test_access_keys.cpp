// Access keys of the customizer's captions: in English and in every shipped
// language file, no two captions shown at the same time share a key.
#include "customizer/helpers/caption_tables.h"
#include "customizer/helpers/language_encoding.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QXmlStreamReader>
#include <QtTest>

using namespace tikloom;

namespace {

const QString kFormFile =
    QStringLiteral(TIKLOOM_SOURCE_DIR "/customizer/form/TTikloomCustomizer.ui");
const QString kLanguageFolder = QStringLiteral(TIKLOOM_SOURCE_DIR "/data/lang");

// The key Alt + letter reaches: the character after a single "&" ("&&" is a
// literal ampersand), in upper case; a null character when there is none.
QChar AccessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        if (caption.at(i + 1) != QLatin1Char('&'))
            return caption.at(i + 1).toUpper();
        ++i;
    }
    return {};
}

// For each control of the form, the tab pages it lies on, outermost first.
// A page's own caption is its tab's title, shown with the pages beside it,
// so a page lies on the pages around it, not on itself.
QHash<QString, QStringList> PagesOfControls() {
    QHash<QString, QStringList> pages;
    QFile file(kFormFile);
    if (!file.open(QIODevice::ReadOnly))
        return pages;
    QXmlStreamReader xml(&file);
    struct Open {
        QString name;
        bool tabs;
        bool page;
    };
    QList<Open> open;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("widget")) {
            const bool page = !open.isEmpty() && open.last().tabs;
            QStringList chain;
            for (const Open& outer : open)
                if (outer.page)
                    chain << outer.name;
            const QString name = xml.attributes().value(QLatin1String("name")).toString();
            pages.insert(name, chain);
            open.append(
                {name,
                 xml.attributes().value(QLatin1String("class")) == QLatin1String("QTabWidget"),
                 page});
        } else if (xml.isEndElement() && xml.name() == QLatin1String("widget")) {
            open.removeLast();
        }
    }
    return pages;
}

// Two controls are shown together when one's pages begin with the other's.
bool ShownTogether(const QStringList& a, const QStringList& b) {
    const qsizetype common = std::min(a.size(), b.size());
    return a.mid(0, common) == b.mid(0, common);
}

struct KeyedControl {
    QString control;
    QString caption;
    QChar key;
};

// Every pair of controls shown together whose captions share an access key.
QStringList Clashes(const QString& languageFile, const QHash<QString, QStringList>& pages) {
    const int codePage = ReadLanguageEncoding(languageFile).codePage;
    QList<KeyedControl> keyed;
    for (const CaptionRow& row : CaptionRows()) {
        const QString caption = ReadCaption(languageFile, row, codePage);
        const QChar key = AccessKey(caption);
        if (key.isNull())
            continue;
        for (const QString& control : row.controls)
            keyed.append({control, caption, key});
    }
    QStringList clashes;
    for (qsizetype i = 0; i < keyed.size(); ++i) {
        for (qsizetype j = i + 1; j < keyed.size(); ++j) {
            if (keyed[i].key == keyed[j].key &&
                ShownTogether(pages.value(keyed[i].control), pages.value(keyed[j].control)))
                clashes << QStringLiteral("Alt+%1: \"%2\" (%3) and \"%4\" (%5)")
                               .arg(keyed[i].key, keyed[i].caption, keyed[i].control,
                                    keyed[j].caption, keyed[j].control);
        }
    }
    return clashes;
}

} // namespace

class TestAccessKeys : public QObject {
    Q_OBJECT

private slots:
    void accessKeyIsTheLetterAfterASingleAmpersand() {
        QCOMPARE(AccessKey(QStringLiteral("&Save")), QChar('S'));
        QCOMPARE(AccessKey(QStringLiteral("Theme &list")), QChar('L'));
        QCOMPARE(AccessKey(QStringLiteral("Salt && &pepper")), QChar('P'));
        QCOMPARE(AccessKey(QStringLiteral("Salt && pepper")), QChar());
        QCOMPARE(AccessKey(QStringLiteral("Trailing&")), QChar());
    }

    void everyCaptionedControlIsOnTheForm() {
        const QHash<QString, QStringList> pages = PagesOfControls();
        QVERIFY2(!pages.isEmpty(), qPrintable(kFormFile));
        for (const CaptionRow& row : CaptionRows())
            for (const QString& control : row.controls)
                QVERIFY2(pages.contains(control), qPrintable(control));
        // Pages nest: an inner tab's controls lie on both tab pages.
        QCOMPARE(pages.value(QStringLiteral("grpHourHand")),
                 QStringList({"tabTheme", "tabThemeHands"}));
        QCOMPARE(pages.value(QStringLiteral("tabThemeHands")), QStringList({"tabTheme"}));
        QVERIFY(ShownTogether({"tabTheme"}, {"tabTheme", "tabThemeHands"}));
        QVERIFY(!ShownTogether({"tabTheme", "tabThemeOthers"}, {"tabTheme", "tabThemeHands"}));
    }

    void noTwoCaptionsShownTogetherShareAKey_data() {
        QTest::addColumn<QString>("languageFile");
        QTest::newRow("English") << QString(); // no file: the built-in texts
        const QStringList files = QDir(kLanguageFolder).entryList({QStringLiteral("*.lng")});
        QVERIFY(!files.isEmpty());
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << kLanguageFolder + QLatin1Char('/') + file;
    }

    void noTwoCaptionsShownTogetherShareAKey() {
        QFETCH(QString, languageFile);
        const QStringList clashes = Clashes(languageFile, PagesOfControls());
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestAccessKeys)
#include "test_access_keys.moc"
