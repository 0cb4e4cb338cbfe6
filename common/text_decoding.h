#pragma once
// Decoding of the 8-bit text of profile files.

#include <QByteArray>
#include <QString>
#include <optional>

namespace tikloom {

// UTF-8 when the bytes are valid UTF-8, else Windows-1252 (codePage 0);
// otherwise the named Windows code page (through iconv).
QString DecodeProfileText(const QByteArray& bytes, int codePage = 0);

// The Windows code page for a language file's Charset value (a font
// character set: 128 Shift_JIS gives 932, 129 gives 949, 134 gives 936,
// 136 gives 950, ...); 0 when the charset names no other code page.
int CodePageForCharset(int charset);

// True when bytes are well-formed UTF-8 (shortest forms, no surrogates).
bool IsValidUtf8(const QByteArray& bytes);

// UTF-8 bytes as text, character for character: QString::fromUtf8 drops a
// leading U+FEFF, which inside a value or a name is a character like any other.
QString DecodeUtf8(const QByteArray& bytes);

// Windows-1252 both ways; encoding gives nullopt when a character has no byte.
QString DecodeWindows1252(const QByteArray& bytes);
std::optional<QByteArray> EncodeWindows1252(const QString& text);

} // namespace tikloom
