// Caption locale and time formatting on Windows. The C runtime knows the
// theme's locale names and the "#" flag itself; the locale is held as a
// _locale_t, so the rest of the process keeps its own locale.

#include "clock/core/caption_locale.h"

#include <cstdint>
#include <locale.h>
#include <stdlib.h>
#include <string>
#include <time.h>
#include <wchar.h>

namespace tikloom {

namespace {

// The caption's locale; replaced as a whole, released at exit.
class CaptionLocale {
public:
    CaptionLocale() = default;
    CaptionLocale(const CaptionLocale&) = delete;
    CaptionLocale& operator=(const CaptionLocale&) = delete;
    ~CaptionLocale() { Release(); }

    void Replace(_locale_t handle, const QString& name) {
        Release();
        handle_ = handle;
        name_ = name;
    }
    _locale_t Handle() const { return handle_; }
    const QString& Name() const { return name_; }

private:
    void Release() {
        if (handle_ != nullptr) {
            _free_locale(handle_);
        }
        handle_ = nullptr;
    }

    _locale_t handle_ = nullptr;
    QString name_;
};

CaptionLocale& CurrentLocale() {
    static CaptionLocale current;
    return current;
}

_locale_t ClassicLocale() {
    static const _locale_t classic = _wcreate_locale(LC_ALL, L"C");
    return classic;
}

// The runtime reports a malformed pattern to this handler instead of ending
// the program; the formatting call then returns 0 and no caption is drawn.
void IgnoreInvalidParameter(const wchar_t*, const wchar_t*, const wchar_t*, unsigned int,
                            uintptr_t) {}

} // namespace

bool ApplyCaptionLanguage(const QString& name) {
    if (name.contains(QChar(u'\0'))) {
        return false;
    }
    const std::wstring wideName = name.toStdWString();
    const _locale_t handle = _wcreate_locale(LC_ALL, wideName.c_str());
    if (handle == nullptr) {
        return false;
    }
    CurrentLocale().Replace(handle, name);
    return true;
}

QString CaptionLocaleName() {
    return CurrentLocale().Name();
}

QString FormatCaption(const QString& format, const struct tm& time) {
    if (format.isEmpty()) {
        return {};
    }
    _locale_t locale = CurrentLocale().Handle();
    if (locale == nullptr) {
        locale = ClassicLocale();
    }
    if (locale == nullptr) {
        return {};
    }
    const std::wstring pattern = format.toStdWString();
    wchar_t buffer[kCaptionCapacity];
    const _invalid_parameter_handler previous =
        _set_thread_local_invalid_parameter_handler(IgnoreInvalidParameter);
    // 0 both for an empty result and for one that does not fit with its NUL.
    const size_t length = _wcsftime_l(buffer, kCaptionCapacity, pattern.c_str(), &time, locale);
    _set_thread_local_invalid_parameter_handler(previous);
    return QString::fromWCharArray(buffer, static_cast<qsizetype>(length));
}

} // namespace tikloom
