#pragma once
// Conversion of 8-bit text in a named Windows code page, provided by the
// platform (iconv on Linux, the system's converter on Windows).

#include <QByteArray>
#include <QString>
#include <optional>

namespace tikloom {

// The text of bytes in the Windows code page; nullopt when the platform
// cannot convert that code page. Bytes that are not valid in the code page
// become U+FFFD.
std::optional<QString> DecodeCodePage(const QByteArray& bytes, int codePage);

} // namespace tikloom
