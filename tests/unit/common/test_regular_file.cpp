// Only regular files are opened, and opening never waits: FIFOs, devices and
// folders named as settings, themes, language files or images are absent.

#include "common/language_choice.h"
#include "common/profile_file.h"
#include "common/regular_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_WIN
#include <QLocalServer>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace tikloom;

namespace {
// A test that blocks on a FIFO is ended by the alarm, and so fails.
constexpr unsigned kHangLimitSeconds = 20;
} // namespace

class RegularFileTest : public QObject {
    Q_OBJECT

private slots:
#ifndef Q_OS_WIN
    void init() {
        alarm(kHangLimitSeconds);
    }
    void cleanup() {
        alarm(0);
    }
#endif

    void onlyRegularFilesOpen() {
#ifdef Q_OS_WIN
        QSKIP("Windows has no FIFOs; devicesAndPipesAreNotFiles covers its special names");
#else
        QTemporaryDir dir;
        const QString plain = dir.filePath("plain.ini");
        const QString fifo = dir.filePath("fifo.ini");
        QFile out(plain);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("[S]\nK=v\n");
        out.close();
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link(plain, dir.filePath("to-plain.ini")));
        QVERIFY(QFile::link(fifo, dir.filePath("to-fifo.ini")));

        QFile file;
        QVERIFY(OpenRegularFile(file, plain));
        QCOMPARE(file.readAll(), QByteArray("[S]\nK=v\n"));
        file.close();
        QVERIFY(OpenRegularFile(file, dir.filePath("to-plain.ini")));
        file.close();
        for (const QString& path :
             {fifo, dir.filePath("to-fifo.ini"), QString("/dev/zero"), QString("/dev/null"),
              dir.path(), QString(), dir.filePath("missing.ini")}) {
            QVERIFY2(!OpenRegularFile(file, path), qPrintable(path));
            QVERIFY(!file.isOpen());
        }
#endif
    }

    void specialFilesReadAsAbsentAndAreNotWritten() {
#ifdef Q_OS_WIN
        QSKIP("Windows has no FIFOs; devicesAndPipesAreNotFiles covers its special names");
#else
        QTemporaryDir dir;
        const QString fifo = dir.filePath("fifo.lng");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(ReadProfileString(fifo, "S", "K", "def", 64), QString("def"));
        QCOMPARE(ReadProfileString("/dev/zero", "S", "K", "def", 64), QString("def"));
        QCOMPARE(LanguageFileCodePage(fifo, 238), kAutoCodePage);
        QVERIFY(!WriteProfileString(fifo, "S", "K", "v"));
        QFileInfo info(fifo);
        QVERIFY(!info.isFile() && info.exists()); // still the FIFO
#endif
    }
    // Device names open devices wherever they stand, with an extension or in
    // a folder too; a named pipe opens as a client of its server.
    void devicesAndPipesAreNotFiles() {
#ifndef Q_OS_WIN
        QSKIP("Windows device names and pipes");
#else
        QTemporaryDir dir;
        const QString plain = dir.filePath("plain.ini");
        QFile out(plain);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("[S]\nK=v\n");
        out.close();
        QLocalServer server;
        QVERIFY(server.listen(QStringLiteral("tikloom-regular-file-test")));

        QFile file;
        QVERIFY(OpenRegularFile(file, plain));
        QCOMPARE(file.readAll(), QByteArray("[S]\nK=v\n"));
        file.close();
        for (const QString& path :
             {QString("NUL"), QString("CON"), QString("nul.png"), QString("COM1"),
              dir.filePath("NUL"), dir.filePath("con.tkm"), QString("\\\\.\\NUL"),
              QString("\\\\.\\pipe\\tikloom-regular-file-test"), dir.path(), QString(),
              dir.filePath("missing.ini")}) {
            QVERIFY2(!OpenRegularFile(file, path), qPrintable(path));
            QVERIFY(!file.isOpen());
        }
        QCOMPARE(ReadProfileString("NUL", "S", "K", "def", 64), QString("def"));
        QCOMPARE(ReadProfileString(dir.filePath("CON.lng"), "S", "K", "def", 64), QString("def"));
        // A file open for reading can still be replaced by a save.
        QVERIFY(OpenRegularFile(file, plain));
        QVERIFY(WriteProfileString(plain, "S", "K", "w"));
        file.close();
        QCOMPARE(ReadProfileString(plain, "S", "K", "def", 64), QString("w"));
#endif
    }
};

QTEST_GUILESS_MAIN(RegularFileTest)
#include "test_regular_file.moc"
