#pragma once
// Theme names and the file names they stand for.

#include <QString>

namespace tikloom {

inline constexpr char kThemeExtension[] = ".tkm";

// The text before the last "." (when no "\", "/" or ":" follows it): "x.tkm" gives "x",
// ".tkm" gives "", "a.b.tkm" gives "a.b".
QString RemoveLastExtension(const QString& fileName);

// Theme names compare without regard to letter case.
bool SameThemeName(const QString& a, const QString& b);

} // namespace tikloom
