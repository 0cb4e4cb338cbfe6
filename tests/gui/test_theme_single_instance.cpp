// One customizer at a time: a later start finds the first through its socket,
// asks it to come forward, and gives way.
#include "customizer/form/single_instance.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using tikloom::SingleInstance;

class TestThemeSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void aLaterStartHandsOverToTheFirst() {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/TTikloomCustomizer.socket");
        SingleInstance first(path);
        QVERIFY(!first.HandOverToRunningInstance());
        QSignalSpy activations(&first, &SingleInstance::activationRequested);

        SingleInstance second(path);
        QVERIFY(second.HandOverToRunningInstance());
        QVERIFY(activations.wait(5000));
        QCOMPARE(activations.size(), 1);
    }

    void aSocketFileLeftByACrashIsTakenOver() {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/TTikloomCustomizer.socket");
        {
            QFile stale(path);
            QVERIFY(stale.open(QIODevice::WriteOnly));
        }
        SingleInstance first(path);
        QVERIFY(!first.HandOverToRunningInstance());
        SingleInstance second(path);
        QVERIFY(second.HandOverToRunningInstance());
    }
};

QTEST_MAIN(TestThemeSingleInstance)
#include "test_theme_single_instance.moc"
