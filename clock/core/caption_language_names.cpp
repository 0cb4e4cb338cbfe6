#include "clock/core/caption_language_names.h"

#include <QLocale>
#include <QRegularExpression>

namespace tikloom {

namespace {

struct LanguageName {
    const char* runtimeName;
    const char* qtName;
};

// The C runtime's language and country strings, with the locale each one
// selects on Windows.
constexpr LanguageName kLanguageNames[] = {
    {"american", "en_US"},
    {"american english", "en_US"},
    {"american-english", "en_US"},
    {"australian", "en_AU"},
    {"belgian", "nl_BE"},
    {"canadian", "en_CA"},
    {"chh", "zh_HK"},
    {"chi", "zh_SG"},
    {"chinese", "zh_CN"},
    {"chinese-hongkong", "zh_HK"},
    {"chinese-simplified", "zh_CN"},
    {"chinese-singapore", "zh_SG"},
    {"chinese-traditional", "zh_TW"},
    {"czech", "cs_CZ"},
    {"danish", "da_DK"},
    {"dutch", "nl_NL"},
    {"dutch-belgian", "nl_BE"},
    {"english", "en_US"},
    {"english-american", "en_US"},
    {"english-aus", "en_AU"},
    {"english-belize", "en_BZ"},
    {"english-can", "en_CA"},
    {"english-caribbean", "en_JM"}, // Qt has no data for the region as a whole
    {"english-ire", "en_IE"},
    {"english-jamaica", "en_JM"},
    {"english-nz", "en_NZ"},
    {"english-south africa", "en_ZA"},
    {"english-trinidad y tobago", "en_TT"},
    {"english-uk", "en_GB"},
    {"english-us", "en_US"},
    {"english-usa", "en_US"},
    {"finnish", "fi_FI"},
    {"french", "fr_FR"},
    {"french-belgian", "fr_BE"},
    {"french-canadian", "fr_CA"},
    {"french-luxembourg", "fr_LU"},
    {"french-swiss", "fr_CH"},
    {"german", "de_DE"},
    {"german-austrian", "de_AT"},
    {"german-lichtenstein", "de_LI"},
    {"german-luxembourg", "de_LU"},
    {"german-swiss", "de_CH"},
    {"greek", "el_GR"},
    {"hungarian", "hu_HU"},
    {"icelandic", "is_IS"},
    {"irish-english", "en_IE"},
    {"italian", "it_IT"},
    {"italian-swiss", "it_CH"},
    {"japanese", "ja_JP"},
    {"korean", "ko_KR"},
    {"norwegian", "nb_NO"},
    {"norwegian-bokmal", "nb_NO"},
    {"norwegian-nynorsk", "nn_NO"},
    {"polish", "pl_PL"},
    {"portuguese", "pt_PT"},
    {"portuguese-brazil", "pt_BR"},
    {"portuguese-brazilian", "pt_BR"},
    {"russian", "ru_RU"},
    {"slovak", "sk_SK"},
    {"spanish", "es_ES"},
    {"spanish-argentina", "es_AR"},
    {"spanish-bolivia", "es_BO"},
    {"spanish-chile", "es_CL"},
    {"spanish-colombia", "es_CO"},
    {"spanish-costa rica", "es_CR"},
    {"spanish-dominican republic", "es_DO"},
    {"spanish-ecuador", "es_EC"},
    {"spanish-el salvador", "es_SV"},
    {"spanish-guatemala", "es_GT"},
    {"spanish-honduras", "es_HN"},
    {"spanish-mexican", "es_MX"},
    {"spanish-modern", "es_ES"},
    {"spanish-nicaragua", "es_NI"},
    {"spanish-panama", "es_PA"},
    {"spanish-paraguay", "es_PY"},
    {"spanish-peru", "es_PE"},
    {"spanish-puerto rico", "es_PR"},
    {"spanish-uruguay", "es_UY"},
    {"spanish-venezuela", "es_VE"},
    {"swedish", "sv_SE"},
    {"swedish-finland", "sv_FI"},
    {"swiss", "de_CH"},
    {"turkish", "tr_TR"},
    {"uk", "en_GB"},
    {"us", "en_US"},
    {"usa", "en_US"},
};

bool IsClassicName(const QString& name) {
    return name.compare(QLatin1String("C"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("POSIX"), Qt::CaseInsensitive) == 0 ||
           name.startsWith(QLatin1String("C."), Qt::CaseInsensitive);
}

// "de_DE", "de-DE", "de" and "de_DE.UTF-8@euro" (the code set and modifier
// mean nothing here). Qt falls back to some other locale for names it does
// not know, so the answer counts only when language and country are those
// asked for.
QString LocaleCodeName(const QString& name) {
    static const QRegularExpression code(
        QStringLiteral("^([A-Za-z]{2,3})(?:[_-]([A-Za-z]{2}|[0-9]{3}))?(?:\\.[^@]*)?(?:@.*)?$"));
    const QRegularExpressionMatch match = code.match(name);
    if (!match.hasMatch()) {
        return {};
    }
    const QString language = match.captured(1).toLower();
    const QString territory = match.captured(2).toUpper();
    const QLocale locale(territory.isEmpty() ? language : language + QLatin1Char('_') + territory);
    if (locale.language() == QLocale::C || QLocale::languageToCode(locale.language()) != language) {
        return {};
    }
    if (!territory.isEmpty() && QLocale::territoryToCode(locale.territory()) != territory) {
        return {};
    }
    return locale.name();
}

} // namespace

QString CaptionQtLocaleName(const QString& languageName) {
    const QString& name = languageName;
    if (IsClassicName(name)) {
        return QStringLiteral("C");
    }
    for (const LanguageName& entry : kLanguageNames) {
        if (name.compare(QLatin1String(entry.runtimeName), Qt::CaseInsensitive) == 0) {
            return QString::fromLatin1(entry.qtName);
        }
    }
    return LocaleCodeName(name);
}

} // namespace tikloom
