// The watcher is asked for its IsStatusNotifierHostRegistered property: first
// with one plain call that fails at once when no watcher runs and never
// starts one; then as Qt asks, through a proxy built from the watcher's own
// description, which sees only the properties the watcher declares there.
// Both must say yes for Qt's icon to go over D-Bus.

#include "clock/platform/status_notifier_tray.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFileInfo>
#include <QVariant>

namespace tikloom {

namespace {

const char kWatcherService[] = "org.kde.StatusNotifierWatcher";
const char kWatcherPath[] = "/StatusNotifierWatcher";
const char kProperties[] = "org.freedesktop.DBus.Properties";
const char kHostRegistered[] = "IsStatusNotifierHostRegistered";
// A watcher answers at once; a hung one must not hold up the clock.
constexpr int kAnswerTimeoutMs = 500;

// Without an address libdbus would launch a bus of its own; a session with
// no bus address and no bus in the runtime folder has no StatusNotifier tray.
bool SessionBusExists() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

} // namespace

bool StatusNotifierTrayRuns() {
    if (!SessionBusExists())
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage get =
        QDBusMessage::createMethodCall(QLatin1String(kWatcherService), QLatin1String(kWatcherPath),
                                       QLatin1String(kProperties), QStringLiteral("Get"));
    get << QLatin1String(kWatcherService) << QLatin1String(kHostRegistered);
    get.setAutoStartService(false);
    const QDBusMessage reply = bus.call(get, QDBus::Block, kAnswerTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty() ||
        !reply.arguments().constFirst().value<QDBusVariant>().variant().toBool())
        return false;
    QDBusInterface watcher{QLatin1String(kWatcherService), QLatin1String(kWatcherPath),
                           QLatin1String(kWatcherService), bus};
    watcher.setTimeout(kAnswerTimeoutMs);
    return watcher.isValid() && watcher.property(kHostRegistered).toBool();
}

} // namespace tikloom
