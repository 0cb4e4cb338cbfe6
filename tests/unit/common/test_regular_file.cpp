// Only regular files are opened, and opening never waits: FIFOs, devices and
// folders named as settings, themes, language files or images are absent.

#include "common/language_choice.h"
#include "common/profile_file.h"
#include "common/regular_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace tikloom;

namespace {
// A test that blocks on a FIFO is ended by the alarm, and so fails.
constexpr unsigned kHangLimitSeconds = 20;
} // namespace

class RegularFileTest : public QObject {
    Q_OBJECT

private slots:
    void init() { alarm(kHangLimitSeconds); }
    void cleanup() { alarm(0); }

    void onlyRegularFilesOpen() {
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
    }

    void specialFilesReadAsAbsentAndAreNotWritten() {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("fifo.lng");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(ReadProfileString(fifo, "S", "K", "def", 64), QString("def"));
        QCOMPARE(ReadProfileString("/dev/zero", "S", "K", "def", 64), QString("def"));
        QCOMPARE(LanguageFileCodePage(fifo, 238), kAutoCodePage);
        QVERIFY(!WriteProfileString(fifo, "S", "K", "v"));
        QFileInfo info(fifo);
        QVERIFY(!info.isFile() && info.exists()); // still the FIFO
    }
};

QTEST_GUILESS_MAIN(RegularFileTest)
#include "test_regular_file.moc"
