#pragma once
// Profile files saved as UTF-16 with a byte-order mark (as Windows editors
// offer under "Unicode"). Readers and writers work on UTF-8 bytes; such a
// file is converted on the way in and, when written, back on the way out.

#include <QByteArray>
#include <optional>

namespace tikloom {

enum class Utf16Order { LittleEndian, BigEndian };

// The byte order of a file that starts with a UTF-16 byte-order mark.
std::optional<Utf16Order> Utf16OrderOf(const QByteArray& bytes);

// The text of a UTF-16 file (mark removed) as UTF-8.
QByteArray Utf16ToUtf8(const QByteArray& bytes, Utf16Order order);

// UTF-8 text as UTF-16 in the given order, with its byte-order mark.
QByteArray Utf8ToUtf16(const QByteArray& utf8, Utf16Order order);

} // namespace tikloom
