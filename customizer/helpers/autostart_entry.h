#pragma once
// The entry through which the desktop starts the clock when the user logs on
// (an XDG autostart file on Linux). Every failure is silent: the caller
// leaves its check box as the user set it.

#include <QString>

namespace tikloom {

// Full path of the entry; empty when the user's folder for it cannot be found.
QString StartupEntryPath();

// Creates or overwrites the entry at path so that it starts the clock of
// programFolder (ending with "/") in that folder. False when it could not be written.
bool WriteStartupEntry(const QString& path, const QString& programFolder);

// Removes the entry at path; nothing happens when there is none.
void DeleteStartupEntry(const QString& path);

} // namespace tikloom
