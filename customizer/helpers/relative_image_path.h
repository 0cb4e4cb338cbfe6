#pragma once
// How a picked image file is stored in a theme: relative to the program folder
// (with backslashes, as theme files are shared with Windows) when it lies in
// that folder's tree, otherwise as its full path.

#include <QString>

namespace tikloom {

QString StoredImagePath(const QString& programFolder, const QString& chosenFile);

} // namespace tikloom
