#include "common/profile_lookup.h"

namespace tikloom {

std::optional<QByteArray> FindProfileValue(const QByteArray& bytes, const QString& section,
                                           const QString& key, ProfileEncoding encoding) {
    ProfileLineCursor cursor(bytes);
    bool inSection = false;
    while (cursor.Next()) {
        const char* text = cursor.text();
        const ProfileLine line = ParseProfileLine(text, cursor.length());
        if (line.kind == ProfileLineKind::Section) {
            inSection =
                ProfileNameMatches(text + line.nameStart, line.nameLength, section, encoding);
        } else if (inSection && line.kind == ProfileLineKind::Key &&
                   ProfileNameMatches(text + line.nameStart, line.nameLength, key, encoding)) {
            return QByteArray(text + line.valueStart, line.valueLength);
        }
    }
    return std::nullopt;
}

} // namespace tikloom
