// The system's own converter. It either converts a whole text or, told to
// report invalid bytes, fails on the first: a text with invalid bytes is then
// taken character by character (one or two bytes each, as the code page's
// lead bytes say), and each byte that starts no valid character becomes one
// replacement character.

#include "common/code_page.h"

#include <windows.h>

namespace tikloom {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// The text of the bytes, or nullopt when some byte is not valid there.
std::optional<QString> DecodeStrictly(const char* bytes, int count, UINT codePage) {
    const int units = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, count, nullptr, 0);
    if (units <= 0) {
        return std::nullopt;
    }
    QString text(units, Qt::Uninitialized);
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, count,
                        reinterpret_cast<wchar_t*>(text.data()), units);
    return text;
}

QString DecodeByCharacter(const QByteArray& bytes, UINT codePage) {
    QString text;
    text.reserve(bytes.size());
    const int size = static_cast<int>(bytes.size());
    for (int at = 0; at < size;) {
        const bool lead = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(bytes[at])) != 0;
        const int length = lead && at + 1 < size ? 2 : 1;
        if (const std::optional<QString> character =
                DecodeStrictly(bytes.constData() + at, length, codePage)) {
            text += *character;
            at += length;
        } else {
            text += QChar(kReplacement);
            ++at;
        }
    }
    return text;
}

} // namespace

std::optional<QString> DecodeCodePage(const QByteArray& bytes, int codePage) {
    const UINT page = static_cast<UINT>(codePage);
    if (!IsValidCodePage(page)) {
        return std::nullopt;
    }
    if (bytes.isEmpty()) {
        return QString();
    }
    if (std::optional<QString> text =
            DecodeStrictly(bytes.constData(), static_cast<int>(bytes.size()), page)) {
        return text;
    }
    return DecodeByCharacter(bytes, page);
}

} // namespace tikloom
