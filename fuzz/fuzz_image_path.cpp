// Image paths as themes store them and as the customizer stores a picked
// file: resolving any stored path, and storing a file picked anywhere in or
// out of the program folder so that it resolves back to that file.

#include "common/program_folder.h"
#include "common/program_layout.h"
#include "customizer/helpers/relative_image_path.h"

#include <QDir>

#include <fuzzer/FuzzedDataProvider.h>

using namespace tikloom;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const QString folder = QStringLiteral("/opt/tik loom/") +
                           QString::fromStdString(input.ConsumeRandomLengthString(16));
    const QString programFolder = folder.endsWith(QLatin1Char('/')) ? folder : folder + '/';
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QString path = QString::fromUtf8(rest.data(), qsizetype(rest.size()));

    ResolveStoredPath(programFolder, path);
    ResolveImagePath({programFolder, QStringLiteral("/usr/share/tikloom/")}, path);
    // A picked file is an absolute, clean path.
    const QString picked = QDir::cleanPath(programFolder + path);
    if (!QDir::isAbsolutePath(picked) || picked.contains(QChar(0)) || picked.contains('\\')) {
        return 0;
    }
    const QString stored = StoredImagePath(programFolder, picked);
    if (QDir::cleanPath(ResolveStoredPath(programFolder, stored)) != picked) {
        abort();
    }
    return 0;
}
