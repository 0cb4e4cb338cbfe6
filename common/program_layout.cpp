#include "common/program_layout.h"

#include "common/program_folder.h"

#include <QDir>
#include <QFileInfo>

#ifndef TIKLOOM_SHARED_FROM_PROGRAMS
#define TIKLOOM_SHARED_FROM_PROGRAMS "../share/tikloom"
#endif

namespace tikloom {

namespace {

const QString kAppFolderName = QStringLiteral("tikloom/");
const QString kThemesFolder = QStringLiteral("Themes/");

QString WithSlash(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

// An XDG variable counts only when it holds an absolute path; otherwise the
// default under the home folder applies.
QString XdgFolder(const QString& value, const QString& home, const QString& defaultUnderHome) {
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return WithSlash(QDir::cleanPath(value));
    return WithSlash(QDir::cleanPath(home + QLatin1Char('/') + defaultUnderHome));
}

} // namespace

UserEnvironment CurrentUserEnvironment() {
    UserEnvironment environment;
    environment.Home = qEnvironmentVariable("HOME");
    if (environment.Home.isEmpty())
        environment.Home = QDir::homePath();
    environment.ConfigHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    environment.DataHome = qEnvironmentVariable("XDG_DATA_HOME");
    return environment;
}

ProgramLayout PortableLayout(const QString& programFolder) {
    ProgramLayout layout;
    layout.ProgramFolder = WithSlash(programFolder);
    layout.SettingsFolder = layout.ProgramFolder;
    layout.UserFolder = layout.ProgramFolder;
    layout.SharedFolder = layout.ProgramFolder;
    return layout;
}

ProgramLayout InstalledLayout(const QString& programFolder, const QString& sharedFolder,
                              const UserEnvironment& environment) {
    ProgramLayout layout;
    layout.Installed = true;
    layout.ProgramFolder = WithSlash(programFolder);
    layout.SharedFolder = WithSlash(sharedFolder);
    layout.SettingsFolder =
        XdgFolder(environment.ConfigHome, environment.Home, QStringLiteral(".config")) +
        kAppFolderName;
    layout.UserFolder =
        XdgFolder(environment.DataHome, environment.Home, QStringLiteral(".local/share")) +
        kAppFolderName;
    return layout;
}

QString SharedFolderFor(const QString& programFolder) {
    return WithSlash(
        QDir::cleanPath(WithSlash(programFolder) + QStringLiteral(TIKLOOM_SHARED_FROM_PROGRAMS)));
}

ProgramLayout DetectLayout(const QString& programFolder, const UserEnvironment& environment) {
    const QString shared = SharedFolderFor(programFolder);
    if (QFileInfo(shared).isDir())
        return InstalledLayout(programFolder, shared, environment);
    return PortableLayout(programFolder);
}

bool MakeSettingsFolder(const ProgramLayout& layout) {
    return !layout.Installed || QDir().mkpath(layout.SettingsFolder);
}

ProgramLayout CurrentLayout() {
    return DetectLayout(ProgramFolder(), CurrentUserEnvironment());
}

QStringList ThemeRoots(const ProgramLayout& layout) {
    if (layout.UserFolder == layout.SharedFolder)
        return {layout.UserFolder};
    return {layout.UserFolder, layout.SharedFolder};
}

QString FindThemeFile(const ProgramLayout& layout, const QString& fileName) {
    const QStringList roots = ThemeRoots(layout);
    for (const QString& root : roots) {
        const QString path = ResolveStoredPath(root, kThemesFolder + fileName);
        if (QFileInfo::exists(path))
            return path;
    }
    return ResolveStoredPath(roots.first(), kThemesFolder + fileName);
}

bool IsShippedTheme(const ProgramLayout& layout, const QString& fileName) {
    if (!layout.Installed || fileName.isEmpty())
        return false;
    return !QFileInfo::exists(ResolveStoredPath(layout.UserFolder, kThemesFolder + fileName)) &&
           QFileInfo::exists(ResolveStoredPath(layout.SharedFolder, kThemesFolder + fileName));
}

QStringList ImageFoldersFor(const ProgramLayout& layout, const QString& themeFile) {
    QStringList folders = ThemeRoots(layout);
    // The theme's own root is the folder above its Themes/ folder.
    const QString own = WithSlash(QFileInfo(QFileInfo(themeFile).absolutePath()).absolutePath());
    for (qsizetype i = 1; i < folders.size(); ++i) {
        if (QDir::cleanPath(folders.at(i)) == QDir::cleanPath(own))
            folders.move(i, 0);
    }
    return folders;
}

QString ResolveImagePath(const QStringList& folders, const QString& storedPath) {
    if (folders.isEmpty())
        return ResolveStoredPath(QString(), storedPath);
    for (const QString& folder : folders) {
        const QString path = ResolveStoredPath(folder, storedPath);
        if (path.isEmpty() || QFileInfo::exists(path))
            return path;
    }
    return ResolveStoredPath(folders.first(), storedPath);
}

} // namespace tikloom
