#pragma once
// One line of a profile file, classified. Works on the raw bytes so that a
// writer can keep every line it does not change exactly as it was.
//
// The rules (the same for every reader and writer of the module):
// - Lines end at "\n"; a "\r" before it belongs to the line ending. Blanks
//   (space, tab, "\r", "\v", "\f") around names and values are not part of them.
// - "[name]" opens a section; the name is the text up to the first "]",
//   trimmed. A "[" without "]" makes no section header: the line is ignored.
// - A line whose first non-blank character is ";" or "#" is a comment.
// - "key=value": the key is the text before the first "=", trimmed; the value
//   the text after it, trimmed, with one pair of enclosing matching quotes
//   (single or double) removed. A line with an empty key is ignored.
// - Blank lines, comments and other lines without "=" are ignored by reads and
//   kept by writes, as are key lines before the first section header.

#include <QByteArray>
#include <QString>

namespace tikloom {

enum class ProfileLineKind { Blank, Comment, Section, Key, Other };

struct ProfileLine {
    ProfileLineKind kind = ProfileLineKind::Blank;
    // Section: the name; Key: the key. Offsets relative to the line start.
    qsizetype nameStart = 0;
    qsizetype nameLength = 0;
    // Key only: the value's raw (trimmed, unquoted) span, and the offset just
    // after the "=" and the blanks that follow it (where a new value goes).
    qsizetype valueStart = 0;
    qsizetype valueLength = 0;
    qsizetype valueSlot = 0;
};

// Classifies the bytes [line, line + length) (without the line ending).
ProfileLine ParseProfileLine(const char* line, qsizetype length);

// How names in a file are decoded for comparing them with a wanted name.
enum class ProfileEncoding { Utf8, Windows1252 };

// Compares a name taken from a file with a wanted name without regard to case.
bool ProfileNameMatches(const char* name, qsizetype length, const QString& wanted,
                        ProfileEncoding encoding);

// Iterates over the lines of a buffer: [start, start + length) is the text of
// the line, endingLength the bytes of its "\n" or "\r\n" (0 for a last line
// without ending).
class ProfileLineCursor {
public:
    // All lines of bytes (after a UTF-8 byte-order mark).
    explicit ProfileLineCursor(const QByteArray& bytes);
    // The lines of bytes from offset from (a line start) up to offset to
    // (a byte-order mark skipped when from is 0).
    ProfileLineCursor(const QByteArray& bytes, qsizetype from, qsizetype to);
    bool Next();
    qsizetype start() const { return start_; }
    qsizetype length() const { return length_; }
    qsizetype endingLength() const { return endingLength_; }
    const char* text() const { return data_ + start_; }

private:
    const char* data_;
    qsizetype size_;
    qsizetype next_;
    qsizetype start_ = 0;
    qsizetype length_ = 0;
    qsizetype endingLength_ = 0;
};

} // namespace tikloom
