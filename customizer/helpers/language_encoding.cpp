#include "customizer/helpers/language_encoding.h"

#include "common/profile_file.h"
#include "common/text_decoding.h"

#include <QFile>

namespace tikloom {

namespace {

constexpr int kCharsetMask = 0xFF;

} // namespace

LanguageEncoding ReadLanguageEncoding(const QString& languageFile) {
    LanguageEncoding encoding;
    encoding.charset = ReadProfileIntCustomizer(languageFile, QStringLiteral("Language"),
                                                QStringLiteral("Charset"), kDefaultCharset) &
                       kCharsetMask;
    QFile file(languageFile);
    if (!file.open(QIODevice::ReadOnly)) {
        return encoding;
    }
    if (!IsValidUtf8(file.readAll())) {
        encoding.codePage = CodePageForCharset(encoding.charset);
    }
    return encoding;
}

} // namespace tikloom
