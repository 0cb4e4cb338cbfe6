#include "fuzz_support.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <unistd.h>

namespace tikloom::fuzz {

QString ScratchFolder() {
    static const QString folder = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                       : QDir::tempPath();
        const QString path = base + QStringLiteral("/tikloom-fuzz-%1/").arg(getpid());
        QDir().mkpath(path + QStringLiteral("Themes"));
        return path;
    }();
    return folder;
}

QString StoreInput(const QString& name, const QByteArray& bytes) {
    const QString path = ScratchFolder() + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        qFatal("cannot store the fuzz input in %s", qPrintable(path));
    }
    return path;
}

void EnsureGuiApplication() {
    if (QGuiApplication::instance()) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tikloom-fuzz";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

} // namespace tikloom::fuzz
