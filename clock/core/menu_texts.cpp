#include "clock/core/menu_texts.h"

#include "clock/core/settings.h"
#include "common/language_choice.h"
#include "common/profile_file.h"
#include "common/text_decoding.h"

namespace tikloom {

namespace {

const QString kClockTextsSection = QStringLiteral("Tikloom");

// The file's own UTF-8, or the code page its [Language] Charset names, as in
// the customizer, so both programs show the same letters.
int MenuTextsCodePage(const QString& languageFile) {
    const uint32_t charset =
        ReadProfileIntClock(languageFile, QStringLiteral("Language"), QStringLiteral("Charset"), 0);
    return LanguageFileCodePage(languageFile, static_cast<int>(charset));
}

QString ReadText(const QString& languageFile, const QString& key, const QString& def,
                 int codePage) {
    return ReadProfileString(languageFile, kClockTextsSection, key, def, kClockTextCapacity,
                             codePage);
}

} // namespace

QString ChooseClockLanguageFile(const ProgramLayout& layout, const QString& userAbbreviation) {
    const QString setting =
        ReadProfileString(SettingsFilePath(layout.SettingsFolder), QStringLiteral("Locale"),
                          QStringLiteral("Language"), QString(), kClockTextCapacity);
    return ChooseLanguageFile(layout.SharedFolder, setting, userAbbreviation);
}

MenuTexts LoadMenuTexts(const QString& languageFile) {
    const int codePage = MenuTextsCodePage(languageFile);
    MenuTexts texts;
    texts.Minimize =
        ReadText(languageFile, QStringLiteral("Minimize"), QStringLiteral("Mi&nimize"), codePage);
    texts.Customize = ReadText(languageFile, QStringLiteral("Customize"),
                               QStringLiteral("&Customize..."), codePage);
    texts.About =
        ReadText(languageFile, QStringLiteral("About"), QStringLiteral("&About..."), codePage);
    texts.Exit = ReadText(languageFile, QStringLiteral("Exit"), QStringLiteral("E&xit"), codePage);
    texts.Restore =
        ReadText(languageFile, QStringLiteral("Restore"), QStringLiteral("&Restore"), codePage);
    return texts;
}

} // namespace tikloom
