#include "common/text_decoding.h"

#include "common/code_page.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace tikloom {

namespace {

constexpr int kWindows1252 = 1252;
constexpr int kUtf8CodePage = 65001;

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five bytes that
// code page leaves unassigned map to the control character of the same
// number, as the Windows converter does.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t Windows1252Char(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kWindows1252High[byte - 0x80];
    }
    return byte;
}

// Length of the UTF-8 sequence starting at bytes[i], or 0 when it is not a
// valid, shortest-form sequence of a scalar value.
int Utf8SequenceLength(const unsigned char* bytes, qsizetype i, qsizetype size) {
    const unsigned char lead = bytes[i];
    if (lead < 0x80) {
        return 1;
    }
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) {
            low = 0xA0; // no overlong forms
        } else if (lead == 0xED) {
            high = 0x9F; // no surrogates
        }
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) {
            low = 0x90;
        } else if (lead == 0xF4) {
            high = 0x8F; // nothing above U+10FFFF
        }
    } else {
        return 0;
    }
    if (i + length > size) {
        return 0;
    }
    if (bytes[i + 1] < low || bytes[i + 1] > high) {
        return 0;
    }
    for (int k = 2; k < length; ++k) {
        if ((bytes[i + k] & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

constexpr qsizetype kWordSize = sizeof(std::uint64_t);
constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

} // namespace

bool IsValidUtf8(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        // Profile files are mostly ASCII: skip eight such bytes at a time.
        std::uint64_t word = 0;
        if (i + kWordSize <= size &&
            (std::memcpy(&word, data + i, kWordSize), (word & kHighBits) == 0)) {
            i += kWordSize;
            continue;
        }
        if (data[i] < 0x80) {
            ++i;
            continue;
        }
        const int length = Utf8SequenceLength(data, i, size);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

QString DecodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        out[i] = QChar(Windows1252Char(static_cast<unsigned char>(bytes[i])));
    }
    return text;
}

std::optional<QByteArray> EncodeWindows1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
            bytes.append(static_cast<char>(unit));
            continue;
        }
        const auto* found = std::find(kWindows1252High.begin(), kWindows1252High.end(), unit);
        if (found == kWindows1252High.end()) {
            return std::nullopt;
        }
        bytes.append(static_cast<char>(0x80 + (found - kWindows1252High.begin())));
    }
    return bytes;
}

QString DecodeUtf8(const QByteArray& bytes) {
    static const QByteArray kMarkBytes = QByteArrayLiteral("\xEF\xBB\xBF");
    qsizetype marks = 0;
    while (bytes.mid(marks * kMarkBytes.size()).startsWith(kMarkBytes)) {
        ++marks;
    }
    return QString(marks, QChar(0xFEFF)) + QString::fromUtf8(bytes.mid(marks * kMarkBytes.size()));
}

QString DecodeProfileText(const QByteArray& bytes, int codePage) {
    if (codePage == 0) {
        return IsValidUtf8(bytes) ? DecodeUtf8(bytes) : DecodeWindows1252(bytes);
    }
    if (codePage == kUtf8CodePage) {
        return DecodeUtf8(bytes);
    }
    if (codePage == kWindows1252) {
        return DecodeWindows1252(bytes);
    }
    // A code page the platform does not know falls back to the automatic
    // choice rather than losing the text.
    return DecodeCodePage(bytes, codePage).value_or(DecodeProfileText(bytes, 0));
}

int CodePageForCharset(int charset) {
    switch (charset) {
    case 128: // SHIFTJIS_CHARSET
        return 932;
    case 129: // HANGUL_CHARSET
        return 949;
    case 130: // JOHAB_CHARSET
        return 1361;
    case 134: // GB2312_CHARSET
        return 936;
    case 136: // CHINESEBIG5_CHARSET
        return 950;
    case 161: // GREEK_CHARSET
        return 1253;
    case 162: // TURKISH_CHARSET
        return 1254;
    case 163: // VIETNAMESE_CHARSET
        return 1258;
    case 177: // HEBREW_CHARSET
        return 1255;
    case 178: // ARABIC_CHARSET
        return 1256;
    case 186: // BALTIC_CHARSET
        return 1257;
    case 204: // RUSSIAN_CHARSET
        return 1251;
    case 222: // THAI_CHARSET
        return 874;
    case 238: // EASTEUROPE_CHARSET
        return 1250;
    default: // ANSI, DEFAULT, SYMBOL and unknown sets: the automatic choice
        return 0;
    }
}

} // namespace tikloom
