// The reading half of the profile module: strings and the two integer rules.

#include "common/profile_file.h"

#include "common/profile_integers.h"
#include "common/profile_lookup.h"
#include "common/profile_snapshot.h"
#include "common/text_decoding.h"

namespace tikloom {

namespace {

constexpr int kUtf8CodePage = 65001;
constexpr int kWindows1252CodePage = 1252;

std::optional<QByteArray> FindValue(const QString& file, const QString& section, const QString& key,
                                    ProfileEncoding* encoding = nullptr) {
    const ProfileSnapshot snapshot = LoadProfileSnapshot(file);
    if (encoding != nullptr) {
        *encoding = snapshot.encoding;
    }
    if (snapshot.bytes.isEmpty()) {
        return std::nullopt;
    }
    return FindProfileValue(snapshot.bytes, snapshot.sections, section, key, snapshot.encoding);
}

// A value ends at a NUL byte, as it would for any caller taking C strings.
QByteArray CutAtNul(const QByteArray& value) {
    const qsizetype nul = value.indexOf('\0');
    return nul < 0 ? value : value.left(nul);
}

// At most capacity - 1 UTF-16 units, never half of a surrogate pair.
QString CutToCapacity(const QString& text, int capacity) {
    const qsizetype limit = capacity > 0 ? capacity - 1 : 0;
    if (text.size() <= limit) {
        return text;
    }
    qsizetype cut = limit;
    if (cut > 0 && text[cut - 1].isHighSurrogate()) {
        --cut;
    }
    return text.left(cut);
}

QString DecodeValue(const QByteArray& value, int codePage, ProfileEncoding encoding) {
    if (codePage == kAutoCodePage) {
        codePage = encoding == ProfileEncoding::Utf8 ? kUtf8CodePage : kWindows1252CodePage;
    }
    return DecodeProfileText(CutAtNul(value), codePage);
}

} // namespace

QString ReadProfileString(const QString& file, const QString& section, const QString& key,
                          const QString& def, int capacity, int codePage) {
    ProfileEncoding encoding = ProfileEncoding::Utf8;
    const std::optional<QByteArray> value = FindValue(file, section, key, &encoding);
    if (!value) {
        return CutToCapacity(def, capacity);
    }
    return CutToCapacity(DecodeValue(*value, codePage, encoding), capacity);
}

bool ProfileKeyExists(const QString& file, const QString& section, const QString& key) {
    return FindValue(file, section, key).has_value();
}

uint32_t ReadProfileIntClock(const QString& file, const QString& section, const QString& key,
                             uint32_t def) {
    // Digits are ASCII in every encoding, so the bytes are parsed as Latin-1.
    const std::optional<QByteArray> value = FindValue(file, section, key);
    const QByteArray text = value ? CutAtNul(*value) : QByteArray();
    if (text.isEmpty()) {
        return def;
    }
    return ParseClockInteger(QString::fromLatin1(text));
}

int ReadProfileIntCustomizer(const QString& file, const QString& section, const QString& key,
                             int def) {
    const std::optional<QByteArray> value = FindValue(file, section, key);
    if (!value) {
        return def;
    }
    return ParseCustomizerInteger(QString::fromLatin1(CutAtNul(*value))).value_or(def);
}

} // namespace tikloom
