#pragma once
// The program folder and the path rules of files named in settings and themes.

#include <QString>

namespace tikloom {

// Folder of the running program, always ending with "/".
QString ProgramFolder();

// Opens a path as stored in a theme or settings file: backslashes are folder
// separators; a relative path resolves against programFolder; an absolute
// one (also "C:/..." on Windows) stays as it is; an empty one stays empty.
QString ResolveStoredPath(const QString& programFolder, const QString& storedPath);

} // namespace tikloom
