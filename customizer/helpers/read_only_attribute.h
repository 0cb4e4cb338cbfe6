#pragma once
// The read-only lock of a theme file. On Windows it is the file's read-only
// attribute; elsewhere the owner's write permission stands for it.

#include <QString>

namespace tikloom {

// True when path is an existing file whose owner may not write it.
bool IsReadOnlyFile(const QString& path);
// Takes the owner's (and everyone's) write permission away. False on failure.
bool SetReadOnly(const QString& path);
// Gives the owner read and write permission back. False on failure.
bool ClearReadOnly(const QString& path);

} // namespace tikloom
