#include "common/profile_line.h"

#include "common/text_decoding.h"

#include <cstring>

namespace tikloom {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// Narrows [begin, end) past blanks at both ends.
void Trim(const char* line, qsizetype& begin, qsizetype& end) {
    while (begin < end && IsBlank(line[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(line[end - 1])) {
        --end;
    }
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsAscii(const char* text, qsizetype length) {
    for (qsizetype i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80) {
            return false;
        }
    }
    return true;
}

bool IsAscii(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            return false;
        }
    }
    return true;
}

ProfileLine ParseKeyLine(const char* line, qsizetype begin, qsizetype length) {
    ProfileLine parsed;
    parsed.kind = ProfileLineKind::Other;
    const void* equals = std::memchr(line + begin, '=', static_cast<size_t>(length - begin));
    if (equals == nullptr) {
        return parsed;
    }
    const qsizetype equalsAt = static_cast<const char*>(equals) - line;
    qsizetype keyBegin = begin;
    qsizetype keyEnd = equalsAt;
    Trim(line, keyBegin, keyEnd);
    if (keyBegin == keyEnd) {
        return parsed;
    }
    qsizetype valueBegin = equalsAt + 1;
    qsizetype valueEnd = length;
    Trim(line, valueBegin, valueEnd);
    parsed.valueSlot = valueBegin;
    if (valueEnd - valueBegin >= 2 && IsQuote(line[valueBegin]) &&
        line[valueEnd - 1] == line[valueBegin]) {
        ++valueBegin;
        --valueEnd;
    }
    parsed.kind = ProfileLineKind::Key;
    parsed.nameStart = keyBegin;
    parsed.nameLength = keyEnd - keyBegin;
    parsed.valueStart = valueBegin;
    parsed.valueLength = valueEnd - valueBegin;
    return parsed;
}

} // namespace

ProfileLine ParseProfileLine(const char* line, qsizetype length) {
    ProfileLine parsed;
    qsizetype begin = 0;
    qsizetype end = length;
    Trim(line, begin, end);
    if (begin == end) {
        return parsed; // Blank
    }
    if (line[begin] == ';' || line[begin] == '#') {
        parsed.kind = ProfileLineKind::Comment;
        return parsed;
    }
    if (line[begin] == '[') {
        const void* close =
            std::memchr(line + begin + 1, ']', static_cast<size_t>(end - begin - 1));
        if (close == nullptr) {
            parsed.kind = ProfileLineKind::Other;
            return parsed;
        }
        qsizetype nameBegin = begin + 1;
        qsizetype nameEnd = static_cast<const char*>(close) - line;
        Trim(line, nameBegin, nameEnd);
        parsed.kind = ProfileLineKind::Section;
        parsed.nameStart = nameBegin;
        parsed.nameLength = nameEnd - nameBegin;
        return parsed;
    }
    return ParseKeyLine(line, begin, end);
}

bool ProfileNameMatches(const char* name, qsizetype length, const QString& wanted,
                        ProfileEncoding encoding) {
    if (IsAscii(name, length) && IsAscii(wanted)) {
        if (length != wanted.size()) {
            return false;
        }
        for (qsizetype i = 0; i < length; ++i) {
            if (AsciiLower(name[i]) != AsciiLower(static_cast<char>(wanted[i].unicode()))) {
                return false;
            }
        }
        return true;
    }
    const QByteArray bytes = QByteArray::fromRawData(name, length);
    const QString decoded =
        encoding == ProfileEncoding::Utf8 ? DecodeUtf8(bytes) : DecodeWindows1252(bytes);
    return decoded.compare(wanted, Qt::CaseInsensitive) == 0;
}

ProfileLineCursor::ProfileLineCursor(const QByteArray& bytes)
    : ProfileLineCursor(bytes, 0, bytes.size()) {}

ProfileLineCursor::ProfileLineCursor(const QByteArray& bytes, qsizetype from, qsizetype to)
    : data_(bytes.constData()), size_(qMin(to, bytes.size())), next_(from) {
    // A byte-order mark (as some editors write) is not part of the first line.
    if (from == 0 && bytes.startsWith("\xEF\xBB\xBF")) {
        next_ = 3;
    }
}

bool ProfileLineCursor::Next() {
    if (next_ >= size_) {
        return false;
    }
    start_ = next_;
    const void* newline = std::memchr(data_ + start_, '\n', static_cast<size_t>(size_ - start_));
    if (newline == nullptr) {
        length_ = size_ - start_;
        endingLength_ = 0;
        next_ = size_;
        return true;
    }
    const qsizetype newlineAt = static_cast<const char*>(newline) - data_;
    length_ = newlineAt - start_;
    endingLength_ = 1;
    if (length_ > 0 && data_[newlineAt - 1] == '\r') {
        --length_;
        endingLength_ = 2;
    }
    next_ = newlineAt + 1;
    return true;
}

} // namespace tikloom
