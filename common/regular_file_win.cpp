#include "common/regular_file.h"

#include <QFileInfo>

namespace tikloom {

// Windows has no FIFOs in the file system; device names ("CON", "\\.\...")
// are not regular files either.
bool OpenRegularFile(QFile& file, const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        return false;
    }
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly);
}

} // namespace tikloom
