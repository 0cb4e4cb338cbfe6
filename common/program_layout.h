#pragma once
// Where the programs find their files. Portable: everything in the program
// folder (tikloom.ini, Themes/, the language files). Installed: shipped data
// read-only beside the programs (../share/tikloom/ from bin/), the user's
// settings and themes in the XDG folders. A start is installed when that
// shared data folder exists next to the program folder, so an installed tree
// stays relocatable and a portable folder is never mistaken for one.

#include <QString>
#include <QStringList>

namespace tikloom {

struct ProgramLayout {
    bool Installed = false;
    QString ProgramFolder;  // the programs
    QString SettingsFolder; // tikloom.ini
    QString UserFolder;     // the user's Themes/
    QString SharedFolder;   // shipped Themes/ and language files; read-only when installed
};
// Every folder above ends with "/".

// The XDG variables a layout depends on; empty when unset.
struct UserEnvironment {
    QString Home;
    QString ConfigHome; // XDG_CONFIG_HOME
    QString DataHome;   // XDG_DATA_HOME
};
UserEnvironment CurrentUserEnvironment();

ProgramLayout PortableLayout(const QString& programFolder);
ProgramLayout InstalledLayout(const QString& programFolder, const QString& sharedFolder,
                              const UserEnvironment& environment);

// The shared data folder of an install, relative to the program folder.
QString SharedFolderFor(const QString& programFolder);

// Installed when SharedFolderFor(programFolder) exists, else portable.
ProgramLayout DetectLayout(const QString& programFolder, const UserEnvironment& environment);

// Makes the installed layout's settings folder, so that the first save can
// land; nothing to do when portable. False when it could not be made.
bool MakeSettingsFolder(const ProgramLayout& layout);

// The layout of the running program.
ProgramLayout CurrentLayout();

// The folders holding a Themes/ folder, the user's first; one in the portable layout.
QStringList ThemeRoots(const ProgramLayout& layout);

// The theme file of fileName ("x.tkm"): the user's when it exists, else the
// shipped one when that exists, else the user's (a theme still to be made).
QString FindThemeFile(const ProgramLayout& layout, const QString& fileName);

// True when fileName is only among the shipped themes of an installed layout.
bool IsShippedTheme(const ProgramLayout& layout, const QString& fileName);

// The folders a theme's relative image paths resolve against: the one the
// theme file came from first, then the others.
QStringList ImageFoldersFor(const ProgramLayout& layout, const QString& themeFile);

// A stored image path against folders: absolute and empty paths stay as they
// are; a relative one gives the first folder's file that exists, else the
// first folder's.
QString ResolveImagePath(const QStringList& folders, const QString& storedPath);

} // namespace tikloom
