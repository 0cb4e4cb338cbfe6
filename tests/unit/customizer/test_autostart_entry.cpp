// The autostart entry that starts the clock at log-on.
#include "customizer/helpers/autostart_entry.h"
#include "customizer/helpers/desktop_entry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_WIN
#include <windows.h>

#include <objbase.h>
#include <shobjidl.h>
#include <string>
#endif

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

#ifdef Q_OS_WIN
struct ShortcutContents {
    QString target;
    QString workingFolder;
    QString description;
    QString arguments;
};

// What the shell reads from a shortcut file: the program it starts and where.
ShortcutContents ReadShortcut(const QString& path) {
    ShortcutContents contents;
    const HRESULT initialised = CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            if (SUCCEEDED(file->Load(name.c_str(), STGM_READ))) {
                wchar_t text[MAX_PATH] = {};
                if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, 0)))
                    contents.target = QString::fromWCharArray(text);
                text[0] = 0;
                if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH)))
                    contents.workingFolder = QString::fromWCharArray(text);
                text[0] = 0;
                if (SUCCEEDED(link->GetDescription(text, MAX_PATH)))
                    contents.description = QString::fromWCharArray(text);
                text[0] = 0;
                if (SUCCEEDED(link->GetArguments(text, MAX_PATH)))
                    contents.arguments = QString::fromWCharArray(text);
            }
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(initialised))
        CoUninitialize();
    return contents;
}

// Paths compared as the file system sees them (case, separators, short names).
QString Canonical(const QString& path) {
    return QFileInfo(path).canonicalFilePath().toLower();
}
#endif

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
#ifdef Q_OS_WIN
        QSKIP(
            "Windows makes a shortcut, not a desktop entry: see shortcutStartsTheClockInItsFolder");
#else
        qputenv("XDG_CONFIG_HOME", "/tmp/cfg");
        QCOMPARE(StartupEntryPath(), QStringLiteral("/tmp/cfg/autostart/Tikloom.desktop"));
        qputenv("XDG_CONFIG_HOME", "relative/cfg"); // invalid: ignored
        qputenv("HOME", "/home/someone");
        QCOMPARE(StartupEntryPath(),
                 QStringLiteral("/home/someone/.config/autostart/Tikloom.desktop"));
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("HOME");
        QCOMPARE(StartupEntryPath(), QString());
#endif
    }

    void writeCreatesTheFolderAndOverwrites() {
#ifdef Q_OS_WIN
        QSKIP(
            "Windows makes a shortcut, not a desktop entry: see shortcutStartsTheClockInItsFolder");
#else
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
#endif
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
#ifdef Q_OS_WIN
        QSKIP(
            "Windows makes a shortcut, not a desktop entry: see shortcutStartsTheClockInItsFolder");
#else
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tikloom.desktop"));
        QVERIFY(WriteStartupEntry(path, QStringLiteral("/")));
        QCOMPARE(ReadEntry(path).value("Path"), QStringLiteral("/"));
        QCOMPARE(ReadEntry(path).value("Exec"), QStringLiteral("/tikloom"));
#endif
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

    void shortcutStartsTheClockInItsFolder() {
#ifndef Q_OS_WIN
        QSKIP("the Startup folder's shortcut is Windows' own");
#else
        const QString startup = StartupEntryPath();
        QVERIFY2(startup.endsWith(QStringLiteral("/Tikloom.lnk")), qPrintable(startup));
        QVERIFY(QFileInfo(startup).dir().exists());

        QTemporaryDir dir;
        const QString programs[] = {dir.filePath(QStringLiteral("first")),
                                    dir.filePath(QStringLiteral("second place"))};
        for (const QString& folder : programs) {
            QVERIFY(QDir().mkpath(folder));
            QFile program(folder + QStringLiteral("/tikloom.exe"));
            QVERIFY(program.open(QIODevice::WriteOnly));
        }
        const QString path = dir.filePath(QStringLiteral("Tikloom.lnk"));
        for (const QString& folder : programs) {
            // Written over the one before, as the check box is set again.
            QVERIFY(WriteStartupEntry(path, folder + QLatin1Char('/')));
            const ShortcutContents contents = ReadShortcut(path);
            QCOMPARE(Canonical(contents.target),
                     Canonical(folder + QStringLiteral("/tikloom.exe")));
            QCOMPARE(Canonical(contents.workingFolder), Canonical(folder));
            QCOMPARE(contents.description, QStringLiteral("Tikloom"));
            QCOMPARE(contents.arguments, QString());
        }
        DeleteStartupEntry(path);
        QVERIFY(!QFile::exists(path));
        DeleteStartupEntry(path);
#endif
    }

private:
    QByteArray savedHome_;
};

QTEST_GUILESS_MAIN(TestAutostartEntry)
#include "test_autostart_entry.moc"
