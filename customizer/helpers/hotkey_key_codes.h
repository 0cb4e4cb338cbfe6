#pragma once
// The minimize hot key as the settings file stores it: a set of modifier
// bits and the code of the key's (upper-case) character, which for the
// characters accepted here is also the key's virtual-key code.

#include <QChar>
#include <QString>
#include <optional>

namespace tikloom {

constexpr int kAltModifierBit = 1;
constexpr int kCtrlModifierBit = 2;
constexpr int kShiftModifierBit = 4;
constexpr int kWinModifierBit = 8;
constexpr int kDefaultShortcutModifier = kWinModifierBit;
constexpr int kDefaultShortcutKey = 67; // the letter C

// The character shown for a stored key code (its low 8 bits); empty for 0.
QString HotkeyTextForCode(int keyCode);

// The stored code for the text of the hot-key box: its first character's
// code, 0 when it is empty.
int HotkeyCodeForText(const QString& text);

// What a key press in the hot-key box does.
enum class HotkeyInputKind {
    PassOn, // not a character (arrows, Delete, Tab...): the box handles it itself
    Take,   // the character becomes the hot key
    Refuse  // a character with no key code (above 127): swallowed, nothing stored
};

struct HotkeyInput {
    HotkeyInputKind kind = HotkeyInputKind::PassOn;
    QChar character; // Take: the character, already upper-cased
};

// Classifies a key press from the text it produces and its Qt key code
// (Qt::Key). Control characters count as characters: Backspace 8, Enter 13,
// Escape 27, also when the platform delivers them without text.
HotkeyInput ClassifyHotkeyInput(const QString& text, int qtKey);

} // namespace tikloom
