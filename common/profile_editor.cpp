#include "common/profile_editor.h"

namespace tikloom {

namespace {

#ifdef Q_OS_WIN
const QByteArray kNativeLineEnding = QByteArrayLiteral("\r\n");
#else
const QByteArray kNativeLineEnding = QByteArrayLiteral("\n");
#endif

QByteArray LineEndingOf(const QByteArray& bytes) {
    const qsizetype newline = bytes.indexOf('\n');
    if (newline < 0) {
        return kNativeLineEnding;
    }
    return (newline > 0 && bytes[newline - 1] == '\r') ? QByteArrayLiteral("\r\n")
                                                       : QByteArrayLiteral("\n");
}

bool IsSectionNamed(const ProfileLineCursor& cursor, const ProfileLine& line,
                    const ProfileName& section, ProfileEncoding encoding) {
    return line.kind == ProfileLineKind::Section &&
           ProfileNameMatches(cursor.text() + line.nameStart, line.nameLength, section.text,
                              encoding);
}

// A new section with its lines, appended after the existing text; a blank
// line separates it from text before it.
QByteArray AppendSection(const QByteArray& bytes, bool endsWithBlankLine,
                         const ProfileName& section, const QList<QByteArray>& lines) {
    const QByteArray eol = LineEndingOf(bytes);
    QByteArray result = bytes;
    const bool hasText = !bytes.isEmpty() && bytes != "\xEF\xBB\xBF";
    if (hasText && !bytes.endsWith('\n')) {
        result += eol;
    }
    if (hasText && !endsWithBlankLine) {
        result += eol;
    }
    result += '[' + section.bytes + ']' + eol;
    for (const QByteArray& line : lines) {
        result += line + eol;
    }
    return result;
}

qsizetype EndOfLine(const ProfileLineCursor& cursor) {
    return cursor.start() + cursor.length() + cursor.endingLength();
}

} // namespace

QByteArray SetProfileValue(const QByteArray& bytes, ProfileEncoding encoding,
                           const ProfileName& section, const ProfileName& key,
                           const QByteArray& value) {
    ProfileLineCursor cursor(bytes);
    bool inSection = false;
    bool inFirstSection = false;
    bool firstSectionSeen = false;
    qsizetype insertAt = -1;
    bool insertAfterUnendedLine = false;
    bool lastLineBlank = false;
    while (cursor.Next()) {
        const char* text = cursor.text();
        const ProfileLine line = ParseProfileLine(text, cursor.length());
        lastLineBlank = line.kind == ProfileLineKind::Blank;
        if (line.kind == ProfileLineKind::Section) {
            inSection = IsSectionNamed(cursor, line, section, encoding);
            inFirstSection = inSection && !firstSectionSeen;
            firstSectionSeen = firstSectionSeen || inSection;
        }
        if (inSection && line.kind == ProfileLineKind::Key &&
            ProfileNameMatches(text + line.nameStart, line.nameLength, key.text, encoding)) {
            const qsizetype valueAt = cursor.start() + line.valueSlot;
            return bytes.left(valueAt) + value + bytes.mid(cursor.start() + cursor.length());
        }
        if (inFirstSection && line.kind != ProfileLineKind::Blank &&
            line.kind != ProfileLineKind::Comment) {
            insertAt = EndOfLine(cursor);
            insertAfterUnendedLine = cursor.endingLength() == 0;
        }
    }
    const QByteArray entry = key.bytes + '=' + value;
    if (insertAt < 0) {
        return AppendSection(bytes, lastLineBlank, section, {entry});
    }
    const QByteArray eol = LineEndingOf(bytes);
    const QByteArray inserted = insertAfterUnendedLine ? eol + entry : entry + eol;
    return bytes.left(insertAt) + inserted + bytes.mid(insertAt);
}

QByteArray ReplaceProfileSection(const QByteArray& bytes, ProfileEncoding encoding,
                                 const ProfileName& section, const QList<QByteArray>& entryLines) {
    // Each matching section is a header [headerStart, bodyStart) and a body
    // [bodyStart, bodyEnd) that is replaced; bodyEnd stops before the blank
    // and comment lines that close the section.
    struct Span {
        qsizetype headerStart;
        qsizetype bodyStart;
        bool headerEnded;
        qsizetype bodyEnd;
    };
    QList<Span> spans;
    bool inSection = false;
    qsizetype closingRunStart = -1;
    bool lastLineBlank = false;
    qsizetype position = 0;
    ProfileLineCursor cursor(bytes);
    auto closeSection = [&]() {
        if (inSection) {
            spans.back().bodyEnd = closingRunStart >= 0 ? closingRunStart : position;
        }
    };
    while (cursor.Next()) {
        const ProfileLine line = ParseProfileLine(cursor.text(), cursor.length());
        lastLineBlank = line.kind == ProfileLineKind::Blank;
        if (line.kind == ProfileLineKind::Section) {
            closeSection();
            inSection = IsSectionNamed(cursor, line, section, encoding);
            if (inSection) {
                spans.append({cursor.start(), EndOfLine(cursor), cursor.endingLength() > 0, 0});
            }
            closingRunStart = -1;
        } else if (line.kind == ProfileLineKind::Blank || line.kind == ProfileLineKind::Comment) {
            if (closingRunStart < 0) {
                closingRunStart = cursor.start();
            }
        } else {
            closingRunStart = -1;
        }
        position = EndOfLine(cursor);
    }
    closeSection();

    if (spans.isEmpty()) {
        return AppendSection(bytes, lastLineBlank, section, entryLines);
    }
    const QByteArray eol = LineEndingOf(bytes);
    QByteArray result;
    result.reserve(bytes.size());
    qsizetype copiedUpTo = 0;
    for (qsizetype i = 0; i < spans.size(); ++i) {
        const Span& span = spans[i];
        if (i == 0) {
            result += bytes.mid(copiedUpTo, span.bodyStart - copiedUpTo);
            if (!span.headerEnded) {
                result += eol;
            }
            for (const QByteArray& line : entryLines) {
                result += line + eol;
            }
        } else {
            result += bytes.mid(copiedUpTo, span.headerStart - copiedUpTo);
        }
        copiedUpTo = span.bodyEnd;
    }
    result += bytes.mid(copiedUpTo);
    return result;
}

} // namespace tikloom
