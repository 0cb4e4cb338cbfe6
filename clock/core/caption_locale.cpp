#include "clock/core/caption_locale.h"

#include "clock/core/caption_formatter.h"
#include "clock/core/caption_language_names.h"
#include "clock/core/caption_locale_data.h"

#include <QLocale>

namespace tikloom {

namespace {

// The caption's locale, and the last pattern taken apart for it: the clock
// formats the same pattern every second.
struct CaptionState {
    CaptionLocaleData locale = ClassicCaptionLocale();
    QString appliedName; // null until a name has been applied
    QString lastFormat;
    CaptionPattern lastPattern;
    bool patternValid = false;
};

CaptionState& State() {
    static CaptionState state;
    return state;
}

void Replace(CaptionLocaleData locale) {
    CaptionState& state = State();
    state.appliedName = locale.Name;
    state.locale = std::move(locale);
    state.patternValid = false;
}

} // namespace

bool ApplyCaptionLanguage(const QString& name) {
    if (name.contains(QChar(u'\0'))) {
        return false;
    }
    if (name.isEmpty()) {
        const QLocale user = QLocale::system();
        Replace(user.language() == QLocale::C ? ClassicCaptionLocale() : CaptionLocaleFromQt(user));
        return true;
    }
    const QString qtName = CaptionQtLocaleName(name);
    if (qtName.isNull()) {
        return false;
    }
    if (qtName == State().appliedName) {
        return true; // a reload of the same theme
    }
    Replace(qtName == QLatin1String("C") ? ClassicCaptionLocale()
                                         : CaptionLocaleFromQt(QLocale(qtName)));
    return true;
}

QString CaptionLocaleName() {
    return State().appliedName;
}

QString FormatCaption(const QString& format, const struct tm& time) {
    if (format.isEmpty()) {
        return {};
    }
    CaptionState& state = State();
    if (!state.patternValid || format != state.lastFormat) {
        state.lastPattern = ParseCaptionFormat(format, state.locale);
        state.lastFormat = format;
        state.patternValid = true;
    }
    QString caption = WriteCaption(state.lastPattern, time, state.locale);
    if (caption.size() > kCaptionCapacity - 1) {
        return {};
    }
    return caption;
}

} // namespace tikloom
