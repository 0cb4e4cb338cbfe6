#pragma once
// How the texts of a language file are decoded.

#include <QString>

namespace tikloom {

// [Language] Charset when absent or not a number: the default font character set.
constexpr int kDefaultCharset = 1;

struct LanguageEncoding {
    int charset = kDefaultCharset; // low 8 bits of [Language] Charset
    int codePage = 0;              // code page passed to the profile reads
};

// The file's character set and the code page that decodes its texts. A file
// that is valid UTF-8 is read as UTF-8 whatever its Charset says, so one file
// can carry a Charset for other platforms and still read right here; other
// bytes are decoded by the code page the Charset names (Windows-1252 when it
// names none). A missing file gives the defaults.
LanguageEncoding ReadLanguageEncoding(const QString& languageFile);

} // namespace tikloom
