// The profile reader on any bytes: every read of the clock and the customizer,
// in every decoding, on a file of the input's bytes.

#include "common/profile_file.h"
#include "fuzz_support.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace tikloom;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const QString section = QString::fromStdString(input.ConsumeRandomLengthString(32));
    const QString key = QString::fromStdString(input.ConsumeRandomLengthString(32));
    const int capacity = input.ConsumeIntegralInRange(1, kCustomizerTextCapacity);
    const int codePage = input.PickValueInArray(
        {kAutoCodePage, 932, 936, 949, 950, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258});
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QString file = fuzz::StoreInput(QStringLiteral("read.ini"),
                                          QByteArray(rest.data(), qsizetype(rest.size())));

    const QString text =
        ReadProfileString(file, section, key, QStringLiteral("def"), capacity, codePage);
    if (text.size() >= capacity) {
        abort(); // the capacity is a promise to the callers
    }
    ReadProfileString(file, QStringLiteral("Theme"), QStringLiteral("FileName"), QString(),
                      kPathCapacity);
    ProfileKeyExists(file, section, key);
    ReadProfileIntClock(file, section, key, 7);
    ReadProfileIntCustomizer(file, section, key, 7);
    return 0;
}
