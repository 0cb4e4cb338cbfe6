#pragma once
// Reader and writer of the profile ("INI") text format shared by the clock and
// the customizer: settings (tikloom.ini), themes (*.tkm) and language files (*.lng).
//
// Reads never fail: an absent file, section or key gives the caller's default.
// Writes are read-modify-write under an advisory lock and land by atomic
// rename, so two programs writing different sections never lose each other's
// keys and a crash never leaves half a file.

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

// Value of [section] key, or def when absent; cut to capacity - 1 characters.
QString ReadProfileString(const QString& file, const QString& section, const QString& key,
                          const QString& def, int capacity, int codePage = kAutoCodePage);

// True when [section] holds key (any letter case).
bool ProfileKeyExists(const QString& file, const QString& section, const QString& key);

// The clock's integer rule: optional sign, decimal digits up to the first
// non-digit, modulo 2^32. Absent key gives def.
uint32_t ReadProfileIntClock(const QString& file, const QString& section, const QString& key,
                             uint32_t def);

// The customizer's integer rule: the whole value is decimal, or hexadecimal
// behind "0x", "0X" or "$"; anything else (and an absent key) gives def.
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
