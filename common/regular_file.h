#pragma once
// Opening the files that settings and themes name, which may name anything:
// a FIFO or a device named as an image or a theme would block the program
// on open or read forever. Such files are treated as absent.

#include <QFile>
#include <QString>

namespace tikloom {

// Opens `file` on `path` for reading when `path` is a regular file (links
// followed); never blocks on the open. False, with `file` closed, otherwise.
bool OpenRegularFile(QFile& file, const QString& path);

} // namespace tikloom
