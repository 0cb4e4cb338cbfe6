#include "common/language_choice.h"

#include "common/profile_file.h"
#include "common/regular_file.h"
#include "common/text_decoding.h"

#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

namespace tikloom {

namespace {

struct LocaleAbbreviation {
    const char* locale; // language_COUNTRY
    const char* abbreviation;
};

// The Windows three-letter language names of POSIX locales. The first entry
// of each language is its main one, used for a country the table lacks.
constexpr LocaleAbbreviation kAbbreviations[] = {
    {"en_US", "ENU"}, {"en_GB", "ENG"}, {"en_AU", "ENA"}, {"en_CA", "ENC"}, {"en_NZ", "ENZ"},
    {"en_IE", "ENI"}, {"en_ZA", "ENS"}, {"en_IN", "ENN"}, {"en_SG", "ENE"}, {"en_PH", "ENP"},
    {"en_MY", "ENM"}, {"en_JM", "ENJ"}, {"de_DE", "DEU"}, {"de_CH", "DES"}, {"de_AT", "DEA"},
    {"de_LU", "DEL"}, {"de_LI", "DEC"}, {"fr_FR", "FRA"}, {"fr_CA", "FRC"}, {"fr_BE", "FRB"},
    {"fr_CH", "FRS"}, {"fr_LU", "FRL"}, {"fr_MC", "FRM"}, {"it_IT", "ITA"}, {"it_CH", "ITS"},
    {"es_ES", "ESN"}, {"es_MX", "ESM"}, {"es_AR", "ESS"}, {"es_CO", "ESO"}, {"es_CL", "ESL"},
    {"es_PE", "ESR"}, {"es_VE", "ESV"}, {"es_US", "EST"}, {"es_EC", "ESF"}, {"es_GT", "ESG"},
    {"es_CR", "ESC"}, {"es_PA", "ESA"}, {"es_DO", "ESD"}, {"es_BO", "ESB"}, {"es_PY", "ESZ"},
    {"es_UY", "ESY"}, {"es_SV", "ESE"}, {"es_HN", "ESH"}, {"es_NI", "ESI"}, {"es_PR", "ESU"},
    {"nl_NL", "NLD"}, {"nl_BE", "NLB"}, {"pt_BR", "PTB"}, {"pt_PT", "PTG"}, {"ru_RU", "RUS"},
    {"uk_UA", "UKR"}, {"be_BY", "BEL"}, {"bg_BG", "BGR"}, {"sv_SE", "SVE"}, {"sv_FI", "SVF"},
    {"da_DK", "DAN"}, {"fi_FI", "FIN"}, {"nb_NO", "NOR"}, {"no_NO", "NOR"}, {"nn_NO", "NON"},
    {"is_IS", "ISL"}, {"pl_PL", "PLK"}, {"cs_CZ", "CSY"}, {"sk_SK", "SKY"}, {"sl_SI", "SLV"},
    {"hu_HU", "HUN"}, {"ro_RO", "ROM"}, {"hr_HR", "HRV"}, {"tr_TR", "TRK"}, {"el_GR", "ELL"},
    {"he_IL", "HEB"}, {"ar_SA", "ARA"}, {"ar_EG", "ARE"}, {"ar_IQ", "ARI"}, {"ar_MA", "ARM"},
    {"ar_AE", "ARU"}, {"fa_IR", "FAR"}, {"hi_IN", "HIN"}, {"th_TH", "THA"}, {"vi_VN", "VIT"},
    {"id_ID", "IND"}, {"ms_MY", "MSL"}, {"ja_JP", "JPN"}, {"ko_KR", "KOR"}, {"zh_CN", "CHS"},
    {"zh_TW", "CHT"}, {"zh_HK", "ZHH"}, {"zh_SG", "ZHI"}, {"zh_MO", "ZHM"}, {"et_EE", "ETI"},
    {"lv_LV", "LVI"}, {"lt_LT", "LTH"}, {"ca_ES", "CAT"}, {"eu_ES", "EUQ"}, {"gl_ES", "GLC"},
    {"sr_RS", "SRB"}, {"mk_MK", "MKI"}, {"sq_AL", "SQI"}, {"af_ZA", "AFK"}, {"ka_GE", "KAT"},
    {"hy_AM", "HYE"}, {"kk_KZ", "KKZ"}, {"ta_IN", "TAI"}, {"bn_IN", "BNG"},
};

const QString kEnglishUnitedStates = QStringLiteral("ENU");

// "de_DE.UTF-8@euro" gives language "de" and country "DE".
void SplitLocale(const QString& posixLocale, QString& language, QString& country) {
    QString name = posixLocale.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    language = name.section(QLatin1Char('_'), 0, 0).toLower();
    country = name.section(QLatin1Char('_'), 1, 1).toUpper();
}

} // namespace

QString LanguageAbbreviationForLocale(const QString& posixLocale) {
    QString language;
    QString country;
    SplitLocale(posixLocale, language, country);
    // The C locale is the untranslated one, whose texts are English.
    if (language == QLatin1String("c") || language == QLatin1String("posix")) {
        return kEnglishUnitedStates;
    }
    if (language.isEmpty()) {
        return {};
    }
    const QString wanted = language + QLatin1Char('_') + country;
    const char* languageMain = nullptr;
    for (const LocaleAbbreviation& entry : kAbbreviations) {
        const QLatin1String name(entry.locale);
        if (name == wanted) {
            return QString::fromLatin1(entry.abbreviation);
        }
        if (languageMain == nullptr && name.startsWith(language + QLatin1Char('_'))) {
            languageMain = entry.abbreviation;
        }
    }
    return languageMain != nullptr ? QString::fromLatin1(languageMain) : QString();
}

QString UserLanguageAbbreviation() {
    // The first of these that is set decides, as for the C library's
    // message catalogue.
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) {
            return LanguageAbbreviationForLocale(value);
        }
    }
    return {};
}

QString ChooseLanguageFile(const QString& programFolder, const QString& languageSetting,
                           const QString& abbreviation) {
    if (!languageSetting.isEmpty()) {
        return programFolder + languageSetting;
    }
    // Without an abbreviation no file is chosen; every text keeps its default.
    if (abbreviation.isEmpty()) {
        return {};
    }
    const QString fullName = programFolder + abbreviation + QStringLiteral(".lng");
    if (QFileInfo::exists(fullName)) {
        return fullName;
    }
    return programFolder + abbreviation.left(2) + QStringLiteral(".lng");
}

} // namespace tikloom

namespace tikloom {

int LanguageFileCodePage(const QString& languageFile, int charset) {
    constexpr int kCharsetMask = 0xFF;
    // The empty path (no language file) is not opened: Qt would warn on stderr.
    if (languageFile.isEmpty())
        return kAutoCodePage;
    QFile file;
    if (!OpenRegularFile(file, languageFile) || IsValidUtf8(file.readAll()))
        return kAutoCodePage;
    return CodePageForCharset(charset & kCharsetMask);
}

} // namespace tikloom
