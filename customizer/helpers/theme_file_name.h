#pragma once
// Theme names and the file names they stand for.

#include <QString>
#include <QStringList>

namespace tikloom {

inline constexpr char kThemeExtension[] = ".tkm";

// The text before the last "." (when no "\", "/" or ":" follows it): "x.tkm" gives "x",
// ".tkm" gives "", "a.b.tkm" gives "a.b".
QString RemoveLastExtension(const QString& fileName);

// Theme names compare without regard to letter case.
bool SameThemeName(const QString& a, const QString& b);

// The theme the name means among the theme files that exist (file names with
// their extension): the file of exactly that name first, else the one file
// whose name differs only in letter case. Names are told apart without regard
// to case, as Windows does, but a case-sensitive file system may hold several;
// with none or more than one such file, the name stands for itself (a new file).
// Returns the theme name, without extension.
QString ThemeNameOnDisk(const QString& name, const QStringList& existingFileNames);

} // namespace tikloom
