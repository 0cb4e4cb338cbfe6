// The autostart entry that starts the clock at log-on.
#include "customizer/helpers/autostart_entry.h"
#include "customizer/helpers/desktop_entry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tikloom;

namespace {

// Values of an entry file by key (no unescaping: the tests compare the stored text).
QMap<QString, QString> ReadEntry(const QString& path) {
    QFile file(path);
    QMap<QString, QString> values;
    if (!file.open(QIODevice::ReadOnly)) {
        return values;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0) {
            values.insert(line.left(equals), line.mid(equals + 1));
        }
    }
    return values;
}

} // namespace

class TestAutostartEntry : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        qunsetenv("XDG_CONFIG_HOME");
        qputenv("HOME", savedHome_);
    }

    void initTestCase() { savedHome_ = qgetenv("HOME"); }

    void pathFollowsXdgConfigHomeThenHome() {
        qputenv("XDG_CONFIG_HOME", "/tmp/cfg");
        QCOMPARE(StartupEntryPath(), QStringLiteral("/tmp/cfg/autostart/Tikloom.desktop"));
        qputenv("XDG_CONFIG_HOME", "relative/cfg"); // invalid: ignored
        qputenv("HOME", "/home/someone");
        QCOMPARE(StartupEntryPath(),
                 QStringLiteral("/home/someone/.config/autostart/Tikloom.desktop"));
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("HOME");
        QCOMPARE(StartupEntryPath(), QString());
    }

    void writeCreatesTheFolderAndOverwrites() {
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
        const QString path = StartupEntryPath();
        QVERIFY(WriteStartupEntry(path, QStringLiteral("/opt/tikloom/")));
        QMap<QString, QString> entry = ReadEntry(path);
        QCOMPARE(entry.value("Exec"), QStringLiteral("/opt/tikloom/tikloom"));
        QCOMPARE(entry.value("Path"), QStringLiteral("/opt/tikloom"));
        QCOMPARE(entry.value("Name"), QStringLiteral("Tikloom"));
        QCOMPARE(entry.value("Type"), QStringLiteral("Application"));

        QVERIFY(WriteStartupEntry(path, QStringLiteral("/srv/other/")));
        entry = ReadEntry(path);
        QCOMPARE(entry.value("Exec"), QStringLiteral("/srv/other/tikloom"));

        DeleteStartupEntry(path);
        QVERIFY(!QFile::exists(path));
        DeleteStartupEntry(path); // already gone: nothing happens
        QVERIFY(!QFile::exists(path));
    }

    void writeIntoAnUnwritableFolderFails() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("autostart")));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        QVERIFY(!WriteStartupEntry(dir.filePath(QStringLiteral("autostart/Tikloom.desktop")),
                                   QStringLiteral("/opt/tikloom/")));
    }

    void rootFolderKeepsItsSlash() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tikloom.desktop"));
        QVERIFY(WriteStartupEntry(path, QStringLiteral("/")));
        QCOMPARE(ReadEntry(path).value("Path"), QStringLiteral("/"));
        QCOMPARE(ReadEntry(path).value("Exec"), QStringLiteral("/tikloom"));
    }

    void awkwardPathsAreQuotedAndEscaped_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("execValue");
        QTest::newRow("plain") << "/opt/a/tikloom"
                               << "/opt/a/tikloom";
        QTest::newRow("space") << "/opt/my clock/tikloom"
                               << "\"/opt/my clock/tikloom\"";
        QTest::newRow("percent") << "/opt/100%/tikloom"
                                 << "/opt/100%%/tikloom";
        // Inside quotes a backslash is escaped, then escaped again as a string value.
        QTest::newRow("quote and dollar") << "/opt/a\"b$c/tikloom"
                                          << "\"/opt/a\\\\\"b\\\\$c/tikloom\"";
        QTest::newRow("backslash") << "/opt/a\\b/tikloom"
                                   << "\"/opt/a\\\\\\\\b/tikloom\"";
        QTest::newRow("newline") << "/opt/a\nb/tikloom"
                                 << "\"/opt/a\\nb/tikloom\"";
    }

    void awkwardPathsAreQuotedAndEscaped() {
        QFETCH(QString, argument);
        QFETCH(QString, execValue);
        QCOMPARE(EscapeDesktopString(QuoteExecArgument(argument)), execValue);
    }

    void leadingSpaceOfAStringIsEscaped() {
        QCOMPARE(EscapeDesktopString(QStringLiteral(" a b")), QStringLiteral("\\sa b"));
    }

private:
    QByteArray savedHome_;
};

QTEST_GUILESS_MAIN(TestAutostartEntry)
#include "test_autostart_entry.moc"
