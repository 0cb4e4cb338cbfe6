// XDG autostart: a desktop entry in $XDG_CONFIG_HOME/autostart (default
// ~/.config/autostart), which session managers start at log-on.
#include "customizer/helpers/autostart_entry.h"

#include "customizer/helpers/desktop_entry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tikloom {

namespace {

const QString kEntryFileName = QStringLiteral("Tikloom.desktop");
const QString kEntryName = QStringLiteral("Tikloom");
const QString kClockProgramName = QStringLiteral("tikloom");

QString ConfigFolder() {
    // The XDG rule: a relative XDG_CONFIG_HOME is invalid and ignored.
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configHome.isEmpty() && QDir::isAbsolutePath(configHome)) {
        return configHome;
    }
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) {
        return QString();
    }
    return home + QStringLiteral("/.config");
}

// The program folder without its trailing separator; the root keeps it.
QString WorkingFolder(const QString& programFolder) {
    QString folder = programFolder;
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) {
        folder.chop(1);
    }
    return folder;
}

} // namespace

QString StartupEntryPath() {
    const QString config = ConfigFolder();
    if (config.isEmpty()) {
        return QString();
    }
    return config + QStringLiteral("/autostart/") + kEntryFileName;
}

bool WriteStartupEntry(const QString& path, const QString& programFolder) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(DesktopEntryText(kEntryName, programFolder + kClockProgramName,
                                WorkingFolder(programFolder)));
    return file.commit();
}

void DeleteStartupEntry(const QString& path) {
    QFile::remove(path);
}

} // namespace tikloom
