// Language files on any bytes: their encoding, then the texts the programs
// read from them in that encoding.

#include "common/language_choice.h"
#include "common/profile_file.h"
#include "customizer/helpers/language_encoding.h"
#include "fuzz_support.h"

using namespace tikloom;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString file =
        fuzz::StoreInput(QStringLiteral("fuzz.lng"),
                         QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const LanguageEncoding encoding = ReadLanguageEncoding(file);
    LanguageFileCodePage(file, encoding.charset);
    for (const char* key : {"Caption", "Apply", "Language", "1", "Exit"}) {
        ReadProfileString(file, QStringLiteral("Language"), QLatin1String(key), QString(),
                          kCustomizerTextCapacity, encoding.codePage);
        ReadProfileString(file, QStringLiteral("Menu"), QLatin1String(key), QString(),
                          kClockTextCapacity, encoding.codePage);
    }
    return 0;
}
