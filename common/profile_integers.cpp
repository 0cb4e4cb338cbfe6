#include "common/profile_integers.h"

namespace tikloom {

namespace {

int HexDigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') {
        return u - '0';
    }
    if (u >= 'a' && u <= 'f') {
        return u - 'a' + 10;
    }
    if (u >= 'A' && u <= 'F') {
        return u - 'A' + 10;
    }
    return -1;
}

bool IsDecimalDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// Position just after "0x", "0X" or "$" at from, or -1 when none is there.
qsizetype AfterHexPrefix(const QString& text, qsizetype from) {
    if (text.mid(from, 2).compare(QLatin1String("0x"), Qt::CaseInsensitive) == 0) {
        return from + 2;
    }
    if (from < text.size() && text[from] == QLatin1Char('$')) {
        return from + 1;
    }
    return -1;
}

constexpr int kHexDigitsOf32Bits = 8;

std::optional<int64_t> ParseHexMagnitude(const QString& text, qsizetype from) {
    if (from >= text.size()) {
        return std::nullopt;
    }
    int64_t value = 0;
    int significantDigits = 0;
    for (qsizetype i = from; i < text.size(); ++i) {
        const int digit = HexDigitValue(text[i]);
        if (digit < 0) {
            return std::nullopt;
        }
        if (value != 0 || digit != 0) {
            ++significantDigits;
        }
        if (significantDigits > kHexDigitsOf32Bits) {
            return std::nullopt;
        }
        value = value * 16 + digit;
    }
    return value;
}

std::optional<int64_t> ParseDecimalMagnitude(const QString& text, qsizetype from) {
    if (from >= text.size()) {
        return std::nullopt;
    }
    constexpr int64_t kBeyondInt = int64_t{1} << 32;
    int64_t value = 0;
    for (qsizetype i = from; i < text.size(); ++i) {
        if (!IsDecimalDigit(text[i])) {
            return std::nullopt;
        }
        value = value * 10 + (text[i].unicode() - '0');
        if (value > kBeyondInt) {
            value = kBeyondInt; // already out of range; keep the number small
        }
    }
    return value;
}

} // namespace

uint32_t ParseClockInteger(const QString& text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    uint32_t value = 0;
    for (; i < text.size() && IsDecimalDigit(text[i]); ++i) {
        value = value * 10u + static_cast<uint32_t>(text[i].unicode() - '0');
    }
    return negative ? 0u - value : value;
}

std::optional<int> ParseCustomizerInteger(const QString& text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    const qsizetype hexStart = AfterHexPrefix(text, i);
    if (hexStart >= 0) {
        const std::optional<int64_t> magnitude = ParseHexMagnitude(text, hexStart);
        if (!magnitude) {
            return std::nullopt;
        }
        const auto bits = static_cast<uint32_t>(*magnitude);
        return static_cast<int>(negative ? 0u - bits : bits);
    }
    const std::optional<int64_t> magnitude = ParseDecimalMagnitude(text, i);
    if (!magnitude) {
        return std::nullopt;
    }
    const int64_t value = negative ? -*magnitude : *magnitude;
    if (value < INT32_MIN || value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

} // namespace tikloom
