// Caption locale and time formatting on glibc (built on Linux).
//
// Themes name C-runtime locales as Windows knows them ("german",
// "english-uk"). glibc knows some of them only through locale.alias, and then
// in 8-bit code sets, so a table maps them to UTF-8 locales; any other name is
// tried as it stands ("de_DE.UTF-8"). The locale is held as a locale_t and
// used through wcsftime_l, so the rest of the process keeps its own locale.
//
// The theme's patterns use the C runtime's "#" flag, which glibc reads
// differently (it ignores it on numbers and swaps the case of names), so it is
// translated before formatting.

#include "clock/core/caption_locale.h"

#include <QDate>
#include <QLocale>
#include <QtGlobal>
#include <clocale>
#include <cwchar>
#include <locale.h>
#include <string>

namespace tikloom {

namespace {

struct LocaleAlias {
    const char* runtimeName;
    const char* platformName;
};

constexpr LocaleAlias kLocaleAliases[] = {
    {"english", "en_US.UTF-8"},
    {"english-uk", "en_GB.UTF-8"},
    {"english-usa", "en_US.UTF-8"},
    {"english-aus", "en_AU.UTF-8"},
    {"english-can", "en_CA.UTF-8"},
    {"english-nz", "en_NZ.UTF-8"},
    {"german", "de_DE.UTF-8"},
    {"german-austrian", "de_AT.UTF-8"},
    {"german-swiss", "de_CH.UTF-8"},
    {"french", "fr_FR.UTF-8"},
    {"french-belgian", "fr_BE.UTF-8"},
    {"french-canadian", "fr_CA.UTF-8"},
    {"french-swiss", "fr_CH.UTF-8"},
    {"japanese", "ja_JP.UTF-8"},
    {"chinese-simplified", "zh_CN.UTF-8"},
    {"chinese-traditional", "zh_TW.UTF-8"},
    {"korean", "ko_KR.UTF-8"},
    {"czech", "cs_CZ.UTF-8"},
    {"danish", "da_DK.UTF-8"},
    {"dutch", "nl_NL.UTF-8"},
    {"dutch-belgian", "nl_BE.UTF-8"},
    {"finnish", "fi_FI.UTF-8"},
    {"greek", "el_GR.UTF-8"},
    {"hungarian", "hu_HU.UTF-8"},
    {"icelandic", "is_IS.UTF-8"},
    {"italian", "it_IT.UTF-8"},
    {"italian-swiss", "it_CH.UTF-8"},
    {"norwegian", "nb_NO.UTF-8"},
    {"norwegian-bokmal", "nb_NO.UTF-8"},
    {"norwegian-nynorsk", "nn_NO.UTF-8"},
    {"polish", "pl_PL.UTF-8"},
    {"portuguese", "pt_PT.UTF-8"},
    {"portuguese-brazil", "pt_BR.UTF-8"},
    {"russian", "ru_RU.UTF-8"},
    {"slovak", "sk_SK.UTF-8"},
    {"spanish", "es_ES.UTF-8"},
    {"spanish-mexican", "es_MX.UTF-8"},
    {"spanish-modern", "es_ES.UTF-8"},
    {"swedish", "sv_SE.UTF-8"},
    {"turkish", "tr_TR.UTF-8"},
};

// Conversions whose leading zeros (or padding blanks) "#" removes.
const QString kUnpaddedConversions = QStringLiteral("dmHIjMSUWyYeV");

// The long date of the "C" locale, as the C runtime writes it for "%#x".
const QString kCLongDate = QStringLiteral("%A, %B %d, %Y");
const QString kCLongTime = QStringLiteral("%H:%M:%S");

// The caption's locale; replaced as a whole, released at exit.
class CaptionLocale {
public:
    CaptionLocale() = default;
    CaptionLocale(const CaptionLocale&) = delete;
    CaptionLocale& operator=(const CaptionLocale&) = delete;
    ~CaptionLocale() { Release(); }

    void Replace(locale_t handle, const QString& name) {
        Release();
        handle_ = handle;
        name_ = name;
    }
    locale_t Handle() const { return handle_; }
    const QString& Name() const { return name_; }

private:
    void Release() {
        if (handle_ != nullptr) {
            freelocale(handle_);
        }
        handle_ = nullptr;
    }

    locale_t handle_ = nullptr;
    QString name_;
};

CaptionLocale& CurrentLocale() {
    static CaptionLocale current;
    return current;
}

locale_t ClassicLocale() {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", nullptr);
    return classic;
}

// What an empty name means to the C runtime: the user's own locale.
QString UserLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) {
            return value;
        }
    }
    return QStringLiteral("C");
}

QString PlatformLocaleName(const QString& runtimeName) {
    if (runtimeName.isEmpty()) {
        return UserLocaleName();
    }
    for (const LocaleAlias& alias : kLocaleAliases) {
        if (runtimeName.compare(QLatin1String(alias.runtimeName), Qt::CaseInsensitive) == 0) {
            return QString::fromLatin1(alias.platformName);
        }
    }
    return runtimeName;
}

bool IsClassicName(const QString& name) {
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX") ||
           name.startsWith(QLatin1String("C."));
}

// Literal text inside a pattern: every "%" doubled.
QString EscapePercent(QString text) {
    return text.replace(QLatin1Char('%'), QLatin1String("%%"));
}

QString LongDatePattern(const struct tm& time) {
    const QString name = CurrentLocale().Name();
    if (IsClassicName(name)) {
        return kCLongDate;
    }
    // "de_DE.UTF-8@euro" -> "de_DE"
    const QString localeCode = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    const QDate date(time.tm_year + 1900, time.tm_mon + 1, time.tm_mday);
    return EscapePercent(QLocale(localeCode).toString(date, QLocale::LongFormat));
}

QString LongDateTimePattern(const struct tm& time) {
    if (IsClassicName(CurrentLocale().Name())) {
        return kCLongDate + QLatin1String(", ") + kCLongTime;
    }
    return LongDatePattern(time) + QLatin1String(" %X");
}

// Rewrites the C runtime's "#" flag for glibc. A "%" at the very end is kept
// as a literal "%".
QString TranslateRuntimeFlags(const QString& format, const struct tm& time) {
    QString result;
    result.reserve(format.size() + 8);
    const qsizetype size = format.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%')) {
            result += c;
            continue;
        }
        if (i + 1 >= size) {
            result += QLatin1String("%%");
            continue;
        }
        QChar conversion = format.at(++i);
        if (conversion != QLatin1Char('#')) {
            result += QLatin1Char('%');
            result += conversion;
            continue;
        }
        if (i + 1 >= size) {
            result += QLatin1String("%%#");
            continue;
        }
        conversion = format.at(++i);
        if (kUnpaddedConversions.contains(conversion)) {
            result += QLatin1String("%-");
            result += conversion;
        } else if (conversion == QLatin1Char('x')) {
            result += LongDatePattern(time);
        } else if (conversion == QLatin1Char('c')) {
            result += LongDateTimePattern(time);
        } else {
            // "#" means nothing for the other conversions.
            result += QLatin1Char('%');
            result += conversion;
        }
    }
    return result;
}

} // namespace

bool ApplyCaptionLanguage(const QString& name) {
    const QString platformName = PlatformLocaleName(name);
    if (platformName.contains(QChar(u'\0'))) {
        return false;
    }
    const locale_t handle = newlocale(LC_ALL_MASK, platformName.toUtf8().constData(), nullptr);
    if (handle == nullptr) {
        return false;
    }
    CurrentLocale().Replace(handle, platformName);
    return true;
}

QString CaptionLocaleName() {
    return CurrentLocale().Name();
}

QString FormatCaption(const QString& format, const struct tm& time) {
    if (format.isEmpty()) {
        return {};
    }
    const std::wstring pattern = TranslateRuntimeFlags(format, time).toStdWString();
    locale_t locale = CurrentLocale().Handle();
    if (locale == nullptr) {
        locale = ClassicLocale();
    }
    if (locale == nullptr) {
        return {};
    }
    wchar_t buffer[kCaptionCapacity];
    // 0 both for an empty result and for one that does not fit with its NUL.
    const size_t length = wcsftime_l(buffer, kCaptionCapacity, pattern.c_str(), &time, locale);
    return QString::fromWCharArray(buffer, static_cast<qsizetype>(length));
}

} // namespace tikloom
