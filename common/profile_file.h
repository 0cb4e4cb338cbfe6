#pragma once
// Reader and writer of the profile ("INI") text format shared by the clock and
// the customizer: settings (tikloom.ini), themes (*.tkm) and language files (*.lng).
//
// Reads never fail: an absent file, section or key gives the caller's default.
// Writes are read-modify-write under an advisory lock and land by atomic
// rename, so two programs writing different sections never lose each other's
// keys and a crash never leaves half a file.
//
// The text format (see profile_line.h for the exact line rules):
// - Section and key names match without regard to case. Values are trimmed of
//   blanks and lose one pair of enclosing single or double quotes.
// - Lines starting with ";" or "#" are comments; they, blank lines and lines
//   without "=" are ignored by reads and kept by writes.
// - Duplicate keys: the first one wins on read, and a write replaces it.
//   Sections of the same name count as one section in file order; a new key
//   goes into the first of them, and a section write replaces the first and
//   removes the others.
// - Bytes decode as UTF-8 when the whole file is valid UTF-8, else as
//   Windows-1252 (or by the code page a reader names). A UTF-8 byte-order
//   mark is skipped; a file with a UTF-16 byte-order mark is read as UTF-16
//   and written back as UTF-16. A NUL byte ends a value. Writes use the file's encoding;
//   a Windows-1252 file that must take a character it cannot hold is
//   converted to UTF-8 as a whole (its text unchanged).
// - Every line a write does not change is kept byte for byte, line endings
//   (CRLF or LF) included; new lines take the ending of the file's first line.
//   A new key goes after the last non-comment line of its section (so before
//   the blank and comment lines that lead into the next section); a new
//   section goes at the end of the file after a blank line.
// - A value that would not read back as written (blanks at its ends, or
//   enclosing quotes of its own) is written inside double quotes.
// - Writes fail (return false) for a file whose owner write permission is
//   cleared (a locked theme), a file that cannot be read, names that would
//   not read back (empty, blanks around them, "]" in a section, "=" in a key,
//   a key starting with ";", "#" or "["), line breaks or NUL in any text, and a
//   folder where no temporary file can be made (nothing is written in place).
//   The file's permissions are kept.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace tikloom {

// Capacities used by the callers (the value returned has at most capacity - 1 characters).
constexpr int kPathCapacity = 260;
constexpr int kClockTextCapacity = 256;
constexpr int kFaceNameCapacity = 50;
constexpr int kCustomizerTextCapacity = 2048;

// Code page used to decode the bytes of a file: 0 means UTF-8, falling back to
// Windows-1252 when the bytes are not valid UTF-8. Other values are Windows
// code pages (932 Shift_JIS, 949, 936, 950, 1250..1258, ...).
constexpr int kAutoCodePage = 0;

// Value of [section] key, or def when absent; cut to capacity - 1 characters
// (UTF-16 units, never half a surrogate pair). codePage 0 decodes as the file
// is (UTF-8, else Windows-1252); another value names the Windows code page of
// a language file's Charset (CodePageForCharset in text_decoding.h).
QString ReadProfileString(const QString& file, const QString& section, const QString& key,
                          const QString& def, int capacity, int codePage = kAutoCodePage);

// True when [section] holds key (any letter case).
bool ProfileKeyExists(const QString& file, const QString& section, const QString& key);

// The clock's integer rule: optional sign, decimal digits up to the first
// non-digit, modulo 2^32 ("0x10" reads 0, "-1" reads 0xFFFFFFFF). An absent
// key, and a key present with an empty value, give def: the Windows service
// reads the text with an empty default and falls back to def when the text is
// empty, so it cannot tell the two apart either.
uint32_t ReadProfileIntClock(const QString& file, const QString& section, const QString& key,
                             uint32_t def);

// The customizer's integer rule: the whole value is decimal, or hexadecimal
// behind "0x", "0X" or "$"; anything else (and an absent key) gives def. An
// optional sign is accepted; a decimal value outside the range of int gives
// def; a hexadecimal one of up to 32 bits is taken as its two's-complement
// int ("$FFFFFFFF" reads -1). See profile_integers.h.
int ReadProfileIntCustomizer(const QString& file, const QString& section, const QString& key,
                             int def);

// Sets [section] key = value in place; creates file and section when missing.
// Returns false when the file could not be written.
bool WriteProfileString(const QString& file, const QString& section, const QString& key,
                        const QString& value);

// Replaces every key of [section] by entries ("Key=Value" each); creates file
// and section when missing. Returns false when the file could not be written.
bool WriteProfileSection(const QString& file, const QString& section, const QStringList& entries);

} // namespace tikloom
