// The profile writer on any file and any names and values: a write that
// reports success must read back exactly as written, and one that fails
// must leave the file byte for byte as it was.

#include "common/profile_file.h"
#include "fuzz_support.h"

#include <QFile>

#include <fuzzer/FuzzedDataProvider.h>

using namespace tikloom;

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Text(FuzzedDataProvider& input, size_t length) {
    return QString::fromStdString(input.ConsumeRandomLengthString(length));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const bool wholeSection = input.ConsumeBool();
    const QString section = Text(input, 24);
    const QString key = Text(input, 24);
    const QString value = Text(input, 200);
    const QString entry = Text(input, 64);
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray before(rest.data(), qsizetype(rest.size()));
    const QString file = fuzz::StoreInput(QStringLiteral("write.ini"), before);

    if (wholeSection) {
        if (!WriteProfileSection(file, section, {key + QLatin1Char('=') + value, entry})) {
            if (Contents(file) != before) {
                abort();
            }
        }
        return 0;
    }
    if (!WriteProfileString(file, section, key, value)) {
        if (Contents(file) != before) {
            abort();
        }
        return 0;
    }
    const QString back =
        ReadProfileString(file, section, key, QStringLiteral("<absent>"), kCustomizerTextCapacity);
    if (back != value) {
        abort();
    }
    return 0;
}
