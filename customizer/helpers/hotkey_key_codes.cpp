#include "customizer/helpers/hotkey_key_codes.h"

#include <Qt>

namespace tikloom {

namespace {

constexpr int kKeyCodeMask = 0xFF;
constexpr char16_t kLastKeyCharacter = 127;
constexpr char16_t kBackspace = 8;
constexpr char16_t kTab = 9;
constexpr char16_t kCarriageReturn = 13;
constexpr char16_t kEscape = 27;

// The control character of keys that some platforms deliver without text.
std::optional<QChar> ControlCharacterOfKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Backspace:
        return QChar(kBackspace);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(kCarriageReturn);
    case Qt::Key_Escape:
        return QChar(kEscape);
    default:
        return std::nullopt;
    }
}

} // namespace

QString HotkeyTextForCode(int keyCode) {
    // Code 0 (or 256, ...) names no character: the box stays empty rather
    // than holding a NUL character.
    const char16_t code = static_cast<char16_t>(keyCode & kKeyCodeMask);
    return code == 0 ? QString() : QString(QChar(code));
}

int HotkeyCodeForText(const QString& text) {
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

HotkeyInput ClassifyHotkeyInput(const QString& text, int qtKey) {
    // Tab and Backtab stay keyboard navigation between the controls. Delete
    // is an editing key that produces no character, although X11 hands it
    // over with the text DEL (127): the box edits its text with it.
    if (qtKey == Qt::Key_Tab || qtKey == Qt::Key_Backtab || qtKey == Qt::Key_Delete) {
        return {};
    }
    std::optional<QChar> character;
    if (!text.isEmpty()) {
        character = text.at(0);
    } else {
        character = ControlCharacterOfKey(qtKey);
    }
    if (!character || character->unicode() == kTab) {
        return {};
    }
    const QChar upper = character->toUpper();
    if (upper.unicode() > kLastKeyCharacter) {
        return {HotkeyInputKind::Refuse, QChar()};
    }
    return {HotkeyInputKind::Take, upper};
}

} // namespace tikloom
