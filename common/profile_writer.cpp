// The writing half of the profile module. Each write is one read-modify-write
// cycle under ProfileWriteLock that lands by atomic rename (file_replacement.h),
// so a concurrent writer of another section never loses its keys and a crash
// or a full disk leaves either the old or the new file, never half of one.

#include "common/profile_file.h"

#include "common/file_replacement.h"
#include "common/profile_editor.h"
#include "common/profile_snapshot.h"
#include "common/profile_utf16.h"
#include "common/profile_write_lock.h"
#include "common/regular_file.h"
#include "common/text_decoding.h"

#include <QFile>
#include <QFileInfo>

#include <functional>
#include <optional>

namespace tikloom {

namespace {

const QByteArray kByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

// Bytes of text in the file's encoding; nullopt when Windows-1252 has no byte
// for one of its characters.
std::optional<QByteArray> Encode(const QString& text, ProfileEncoding encoding) {
    if (encoding == ProfileEncoding::Utf8) {
        return text.toUtf8();
    }
    return EncodeWindows1252(text);
}

bool HasLineBreakOrNul(const QString& text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
           text.contains(QChar(0));
}

// Names that a reader would find again exactly as given: no line breaks, no
// blanks around them, no "]" in a section name, no "=" in a key, and a key
// that does not start like a comment or a section header.
bool IsWritableSectionName(const QString& section) {
    if (section.isEmpty() || HasLineBreakOrNul(section)) {
        return false;
    }
    const QByteArray header = "[" + section.toUtf8() + "]";
    const ProfileLine line = ParseProfileLine(header.constData(), header.size());
    return line.kind == ProfileLineKind::Section && line.nameLength == header.size() - 2;
}

bool IsWritableKeyLine(const QString& keyLine, qsizetype keyLength) {
    if (HasLineBreakOrNul(keyLine)) {
        return false;
    }
    const QByteArray bytes = keyLine.toUtf8();
    const ProfileLine line = ParseProfileLine(bytes.constData(), bytes.size());
    return line.kind == ProfileLineKind::Key && line.nameStart == 0 &&
           (keyLength < 0 || line.nameLength == keyLength);
}

bool IsBlankByte(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// A value that reads back exactly as written: readers trim blanks and strip
// one pair of enclosing quotes, so such a value is written inside quotes.
QByteArray ProtectValue(const QByteArray& value) {
    if (value.isEmpty()) {
        return value;
    }
    const char first = value.front();
    const char last = value.back();
    const bool trimmed = IsBlankByte(first) || IsBlankByte(last);
    const bool quoted = value.size() >= 2 && (first == '"' || first == '\'') && first == last;
    return (trimmed || quoted) ? '"' + value + '"' : value;
}

// An edit gives the new bytes, or nullopt when it cannot encode its text in
// the file's encoding.
using ProfileEdit = std::function<std::optional<QByteArray>(const QByteArray&, ProfileEncoding)>;

// A Windows-1252 file that must take a character 1252 cannot hold becomes
// UTF-8 as a whole: its text stays the same, only its bytes change.
QByteArray ConvertToUtf8(const QByteArray& bytes) {
    const bool marked = bytes.startsWith(kByteOrderMark);
    const QByteArray body = marked ? bytes.mid(kByteOrderMark.size()) : bytes;
    return (marked ? kByteOrderMark : QByteArray()) + DecodeWindows1252(body).toUtf8();
}

std::optional<QByteArray> ApplyEdit(const QByteArray& bytes, const ProfileEdit& edit) {
    const ProfileEncoding encoding = EncodingOfProfileBytes(bytes);
    std::optional<QByteArray> edited = edit(bytes, encoding);
    if (!edited && encoding == ProfileEncoding::Windows1252) {
        edited = edit(ConvertToUtf8(bytes), ProfileEncoding::Utf8);
    }
    return edited;
}

bool ModifyProfileFile(const QString& file, const ProfileEdit& edit) {
    if (file.isEmpty()) {
        return false;
    }
    const ProfileWriteLock lock(file);
    // Under the lock no other save is under way: any temporary file is a leftover.
    RemoveStaleReplacements(file);
    ForgetProfileSnapshot(file);
    const QFileInfo info(file);
    QByteArray bytes;
    if (info.exists()) {
        // A file without the owner's write permission is locked against
        // changes; replacing it by rename would ignore that, so refuse here.
        if (!info.isFile() || !info.permissions().testFlag(QFileDevice::WriteOwner)) {
            return false;
        }
        QFile input;
        if (!OpenRegularFile(input, file)) {
            return false; // never replace what could not be read
        }
        bytes = input.readAll();
        if (input.error() != QFileDevice::NoError) {
            return false;
        }
    }
    // A UTF-16 file is edited as UTF-8 and saved in its own form again.
    const std::optional<Utf16Order> utf16 = Utf16OrderOf(bytes);
    const QByteArray text = utf16 ? Utf16ToUtf8(bytes, *utf16) : bytes;
    const std::optional<QByteArray> edited = ApplyEdit(text, edit);
    if (!edited) {
        return false;
    }
    if (info.exists() && *edited == text) {
        return true;
    }
    const bool saved = ReplaceFileContents(file, utf16 ? Utf8ToUtf16(*edited, *utf16) : *edited);
    if (saved && info.exists()) {
        // Keep the file's permissions across the replacement.
        QFile::setPermissions(file, info.permissions());
    }
    ForgetProfileSnapshot(file);
    return saved;
}

} // namespace

bool WriteProfileString(const QString& file, const QString& section, const QString& key,
                        const QString& value) {
    if (!IsWritableSectionName(section) ||
        !IsWritableKeyLine(key + QLatin1Char('='), key.toUtf8().size()) ||
        HasLineBreakOrNul(value)) {
        return false;
    }
    return ModifyProfileFile(
        file, [&](const QByteArray& bytes, ProfileEncoding encoding) -> std::optional<QByteArray> {
            const std::optional<QByteArray> sectionBytes = Encode(section, encoding);
            const std::optional<QByteArray> keyBytes = Encode(key, encoding);
            const std::optional<QByteArray> valueBytes = Encode(value, encoding);
            if (!sectionBytes || !keyBytes || !valueBytes) {
                return std::nullopt;
            }
            return SetProfileValue(bytes, encoding, {section, *sectionBytes}, {key, *keyBytes},
                                   ProtectValue(*valueBytes));
        });
}

bool WriteProfileSection(const QString& file, const QString& section, const QStringList& entries) {
    if (!IsWritableSectionName(section)) {
        return false;
    }
    for (const QString& entry : entries) {
        if (!IsWritableKeyLine(entry, -1)) {
            return false;
        }
    }
    return ModifyProfileFile(
        file, [&](const QByteArray& bytes, ProfileEncoding encoding) -> std::optional<QByteArray> {
            const std::optional<QByteArray> sectionBytes = Encode(section, encoding);
            if (!sectionBytes) {
                return std::nullopt;
            }
            QList<QByteArray> lines;
            for (const QString& entry : entries) {
                const std::optional<QByteArray> line = Encode(entry, encoding);
                if (!line) {
                    return std::nullopt;
                }
                lines.append(*line);
            }
            return ReplaceProfileSection(bytes, encoding, {section, *sectionBytes}, lines);
        });
}

} // namespace tikloom
