#pragma once
// Finding a key's value in the bytes of a profile file.

#include "common/profile_line.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace tikloom {

// Where each section's header name and body lie in the bytes, so that a
// lookup skips the sections it does not want.
struct ProfileSectionSpan {
    qsizetype nameStart;
    qsizetype nameLength;
    qsizetype bodyStart;
    qsizetype bodyEnd;
};

// The sections of bytes in file order; nullopt for a file of so many
// sections that the index would cost more than it saves.
std::optional<QList<ProfileSectionSpan>> IndexProfileSections(const QByteArray& bytes);

// The raw value of the first key line named key in any section named section
// (sections of the same name count as one, in file order); nullopt when absent.
// Uses the index when there is one, else scans the whole text.
std::optional<QByteArray> FindProfileValue(const QByteArray& bytes,
                                           const std::optional<QList<ProfileSectionSpan>>& index,
                                           const QString& section, const QString& key,
                                           ProfileEncoding encoding);

} // namespace tikloom
