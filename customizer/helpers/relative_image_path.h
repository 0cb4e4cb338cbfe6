#pragma once
// How a picked image file is stored in a theme: relative to the program folder
// (with backslashes, as theme files are shared with Windows) when it lies in
// that folder's tree, otherwise as its full path.

#include <QString>
#include <QStringList>

namespace tikloom {

QString StoredImagePath(const QString& programFolder, const QString& chosenFile);

// The same against several folders (the user's and the shipped data): relative
// to the first whose tree holds the file, else the full path.
QString StoredImagePath(const QStringList& folders, const QString& chosenFile);

} // namespace tikloom
