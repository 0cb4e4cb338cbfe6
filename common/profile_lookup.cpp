#include "common/profile_lookup.h"

namespace tikloom {

namespace {

// Beyond this many sections the file is no profile a user wrote; it is
// scanned instead of indexed, to keep memory bounded.
constexpr qsizetype kMostIndexedSections = 65536;

bool KeyNamed(const char* text, const ProfileLine& line, const QString& key,
              ProfileEncoding encoding) {
    return line.kind == ProfileLineKind::Key &&
           ProfileNameMatches(text + line.nameStart, line.nameLength, key, encoding);
}

// The first key named key in the lines of bytes (starting at from and ending
// at to); sectionWanted tells whether the lines before the first header in
// that range belong to the wanted section.
std::optional<QByteArray> ScanForKey(const QByteArray& bytes, qsizetype from, qsizetype to,
                                     const QString& section, const QString& key,
                                     ProfileEncoding encoding, bool sectionWanted) {
    ProfileLineCursor cursor(bytes, from, to);
    bool inSection = sectionWanted;
    while (cursor.Next()) {
        const char* text = cursor.text();
        const ProfileLine line = ParseProfileLine(text, cursor.length());
        if (line.kind == ProfileLineKind::Section) {
            inSection =
                ProfileNameMatches(text + line.nameStart, line.nameLength, section, encoding);
        } else if (inSection && KeyNamed(text, line, key, encoding)) {
            return QByteArray(text + line.valueStart, line.valueLength);
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QList<ProfileSectionSpan>> IndexProfileSections(const QByteArray& bytes) {
    QList<ProfileSectionSpan> sections;
    ProfileLineCursor cursor(bytes);
    while (cursor.Next()) {
        const ProfileLine line = ParseProfileLine(cursor.text(), cursor.length());
        if (line.kind != ProfileLineKind::Section) {
            continue;
        }
        if (sections.size() == kMostIndexedSections) {
            return std::nullopt;
        }
        const qsizetype bodyStart = cursor.start() + cursor.length() + cursor.endingLength();
        if (!sections.isEmpty()) {
            sections.back().bodyEnd = cursor.start();
        }
        sections.append(
            {cursor.start() + line.nameStart, line.nameLength, bodyStart, bytes.size()});
    }
    return sections;
}

std::optional<QByteArray> FindProfileValue(const QByteArray& bytes,
                                           const std::optional<QList<ProfileSectionSpan>>& index,
                                           const QString& section, const QString& key,
                                           ProfileEncoding encoding) {
    if (!index) {
        return ScanForKey(bytes, 0, bytes.size(), section, key, encoding, false);
    }
    for (const ProfileSectionSpan& span : *index) {
        if (!ProfileNameMatches(bytes.constData() + span.nameStart, span.nameLength, section,
                                encoding)) {
            continue;
        }
        std::optional<QByteArray> value =
            ScanForKey(bytes, span.bodyStart, span.bodyEnd, section, key, encoding, true);
        if (value) {
            return value;
        }
    }
    return std::nullopt;
}

} // namespace tikloom
