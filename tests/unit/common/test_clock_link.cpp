// Where the programs' rendezvous sockets lie.

#include "common/clock_link.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtTest>
#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace tikloom;

class ClockLinkTest : public QObject {
    Q_OBJECT

private slots:
    void runtimeFolderHoldsTheSockets() {
#ifdef Q_OS_WIN
        QSKIP("Windows names a pipe for each socket: no folder holds them");
#else
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        QCOMPARE(LocalServerPath(QStringLiteral("Tikloom")),
                 runtime.path() + QStringLiteral("/Tikloom.socket"));
#endif
    }

    void runtimeFolderOthersCanReachIsNotUsed() {
#ifdef Q_OS_WIN
        QSKIP("Windows names a pipe for each socket: no folder holds them");
#else
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
#endif
    }

    void withoutRuntimeFolderAPrivateTemporaryFolder() {
#ifdef Q_OS_WIN
        QSKIP("Windows names a pipe for each socket: no folder holds them");
#else
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
#endif
    }

    void aFolderAnotherUserMadeFirstIsNotUsed() {
#ifdef Q_OS_WIN
        QSKIP("Windows names a pipe for each socket: no folder holds them");
#else
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
#endif
    }
    void pipeNamesKeepUsersAndSessionsApart() {
#ifndef Q_OS_WIN
        QSKIP("only Windows names its sockets after the user and the session");
#else
        const QString clock = LocalServerPath(QStringLiteral("Tikloom"));
        const QString form = LocalServerPath(QStringLiteral("TTikloomCustomizer"));
        // "Tikloom-<security identifier>-<session>", the same at every call.
        QVERIFY2(clock.startsWith(QStringLiteral("Tikloom-S-1-")), qPrintable(clock));
        QCOMPARE(LocalServerPath(QStringLiteral("Tikloom")), clock);
        QCOMPARE(form.mid(form.indexOf(QLatin1Char('-'))),
                 clock.mid(clock.indexOf(QLatin1Char('-'))));
        QVERIFY(!clock.contains(QLatin1Char('\\')) && !clock.contains(QLatin1Char('/')));
        // The name is a pipe the user's own programs can listen on and reach.
        QLocalServer server;
        server.setSocketOptions(QLocalServer::UserAccessOption);
        QVERIFY2(server.listen(clock), qPrintable(server.errorString()));
        QLocalSocket client;
        client.connectToServer(clock);
        QVERIFY(client.waitForConnected(2000));
        QVERIFY(server.waitForNewConnection(2000));
#endif
    }
};

QTEST_GUILESS_MAIN(ClockLinkTest)
#include "test_clock_link.moc"
