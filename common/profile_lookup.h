#pragma once
// Finding a key's value in the bytes of a profile file.

#include "common/profile_line.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tikloom {

// The raw value of the first key line named key in any section named section
// (sections of the same name count as one, in file order); nullopt when absent.
std::optional<QByteArray> FindProfileValue(const QByteArray& bytes, const QString& section,
                                           const QString& key, ProfileEncoding encoding);

} // namespace tikloom
