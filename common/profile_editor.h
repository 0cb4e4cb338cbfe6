#pragma once
// Edits of the bytes of a profile file. Every line an edit does not touch is
// kept byte for byte (line endings, comments, blank lines, a byte-order mark);
// new lines take the line ending of the file's first line.

#include "common/profile_line.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tikloom {

// What to write, already encoded for the file. section and key are the names
// matched without regard to case; sectionBytes and keyBytes are how a new
// header or key line spells them.
struct ProfileName {
    QString text;
    QByteArray bytes;
};

// Sets key to value: replaces the value of the first matching key line in
// place (keeping the line's key spelling and the blanks around "="), or adds
// "key=value" after the last key line of the first matching section, or
// appends a new section at the end of the file.
QByteArray SetProfileValue(const QByteArray& bytes, ProfileEncoding encoding,
                           const ProfileName& section, const ProfileName& key,
                           const QByteArray& value);

// Replaces the body of the first matching section by entryLines (one line
// each), keeping the blank and comment lines that close it (they lead into
// the next section); later sections of the same name are removed. Appends a
// new section when none matches.
QByteArray ReplaceProfileSection(const QByteArray& bytes, ProfileEncoding encoding,
                                 const ProfileName& section, const QList<QByteArray>& entryLines);

} // namespace tikloom
