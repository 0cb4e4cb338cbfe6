#pragma once
// The two integer rules of profile values, on the text already read.

#include <QString>
#include <cstdint>
#include <optional>

namespace tikloom {

// The clock's rule: an optional sign, then decimal digits up to the first
// character that is not one; the value read so far stands (so a text that
// begins with another character, "0x10" included, gives 0). Leading zeros are
// decimal; the result wraps modulo 2^32 ("-1" gives 0xFFFFFFFF).
uint32_t ParseClockInteger(const QString& text);

// The customizer's rule: the whole text is an optionally signed decimal number
// in the range of int, or an optionally signed hexadecimal one behind "0x",
// "0X" or "$" of at most 32 significant bits, taken as their two's-complement
// int ("$FFFFFFFF" gives -1). Anything else, an out-of-range decimal number
// included, gives nullopt (the caller's default).
std::optional<int> ParseCustomizerInteger(const QString& text);

} // namespace tikloom
