#include "customizer/helpers/language_encoding.h"

#include "common/language_choice.h"
#include "common/profile_file.h"
#include "common/text_decoding.h"

namespace tikloom {

LanguageEncoding ReadLanguageEncoding(const QString& languageFile) {
    LanguageEncoding encoding;
    encoding.charset = ReadProfileIntCustomizer(languageFile, QStringLiteral("Language"),
                                                QStringLiteral("Charset"), kDefaultCharset) &
                       0xFF;
    encoding.codePage = LanguageFileCodePage(languageFile, encoding.charset);
    return encoding;
}

} // namespace tikloom
