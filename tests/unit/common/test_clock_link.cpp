// Where the programs' rendezvous sockets lie, and how the clock reads the
// requests sent there.

#include "common/clock_link.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace tikloom;

class ClockLinkTest : public QObject {
    Q_OBJECT

private slots:
    void runtimeFolderHoldsTheSockets() {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        QCOMPARE(LocalServerPath(QStringLiteral("Tikloom")),
                 runtime.path() + QStringLiteral("/Tikloom.socket"));
    }

    void runtimeFolderOthersCanReachIsNotUsed() {
        QTemporaryDir runtime;
        QTemporaryDir temporary;
        qputenv("TMPDIR", QFile::encodeName(temporary.path()));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        const QString fallback = temporary.path() + QStringLiteral("/tikloom-%1").arg(getuid());
        for (const mode_t mode : {0777, 0755, 0710}) {
            QVERIFY(chmod(QFile::encodeName(runtime.path()).constData(), mode) == 0);
            QCOMPARE(LocalServerPath(QStringLiteral("Tikloom")),
                     fallback + QStringLiteral("/Tikloom.socket"));
        }
        QVERIFY(chmod(QFile::encodeName(runtime.path()).constData(), 0700) == 0);
        if (geteuid() == 0) {
            // Private, but another user's.
            QVERIFY(chown(QFile::encodeName(runtime.path()).constData(), 65534, 65534) == 0);
            QCOMPARE(LocalServerPath(QStringLiteral("Tikloom")),
                     fallback + QStringLiteral("/Tikloom.socket"));
        }
        qunsetenv("XDG_RUNTIME_DIR");
    }

    void withoutRuntimeFolderAPrivateTemporaryFolder() {
        QTemporaryDir temporary;
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(temporary.path()));
        const QString path = LocalServerPath(QStringLiteral("Tikloom"));
        const QString folder = temporary.path() + QStringLiteral("/tikloom-%1").arg(getuid());
        QCOMPARE(path, folder + QStringLiteral("/Tikloom.socket"));
        const QFileInfo info(folder);
        QCOMPARE(info.ownerId(), getuid());
        QVERIFY(info.permissions().testFlag(QFile::WriteOwner));
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(info.permissions() & others, QFile::Permissions());
    }

    void aFolderAnotherUserMadeFirstIsNotUsed() {
        if (geteuid() != 0)
            QSKIP("needs to give a folder to another user");
        QTemporaryDir temporary;
        QTemporaryDir home;
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(temporary.path()));
        qputenv("HOME", QFile::encodeName(home.path()));
        // Another user's open folder of the very name the clock would use.
        const QString squatted = temporary.path() + QStringLiteral("/tikloom-%1").arg(getuid());
        QVERIFY(QDir().mkdir(squatted));
        QVERIFY(chown(QFile::encodeName(squatted).constData(), 65534, 65534) == 0);
        QVERIFY(chmod(QFile::encodeName(squatted).constData(), 0777) == 0);
        const QString path = LocalServerPath(QStringLiteral("Tikloom"));
        QVERIFY2(!path.startsWith(squatted), qPrintable(path));
        QCOMPARE(path, home.path() + QStringLiteral("/.tikloom-runtime/Tikloom.socket"));
    }

    // Requests arrive in pieces of any size; only whole, exact lines count.
    void requestsAreWholeExactLines() {
        ClockRequestReader reader;
        QCOMPARE(reader.Take("tog"), QList<ClockRequest>());
        QCOMPARE(reader.Take("gle\nrel"), QList<ClockRequest>{ClockRequest::Toggle});
        QCOMPARE(reader.Take("oad\ntoggle\n"),
                 (QList<ClockRequest>{ClockRequest::Reload, ClockRequest::Toggle}));
        // Near misses: another line end, spaces, a case, an empty line.
        QCOMPARE(reader.Take("toggle\r\n reload\nTOGGLE\n\n"),
                 QList<ClockRequest>(4, ClockRequest::Unknown));
        QVERIFY(!reader.Overlong());
    }

    void aLongLineWithoutEndIsOverlong() {
        ClockRequestReader reader;
        reader.Take(QByteArray(kLongestClockRequest, 'x'));
        QVERIFY(!reader.Overlong());
        reader.Take("x");
        QVERIFY(reader.Overlong());
        // A line end takes the tail away: what follows is judged afresh.
        ClockRequestReader ended;
        QCOMPARE(ended.Take(QByteArray(kLongestClockRequest * 2, 'x') + "\ntoggle\n"),
                 (QList<ClockRequest>{ClockRequest::Unknown, ClockRequest::Toggle}));
        QVERIFY(!ended.Overlong());
    }
};

QTEST_GUILESS_MAIN(ClockLinkTest)
#include "test_clock_link.moc"
