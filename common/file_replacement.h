#pragma once
// Replacing a file's contents so that it holds either all of its old bytes or
// all of the new ones, whatever happens on the way: a full disk, a write
// error, a crash or a kill in the middle.
//
// The new bytes go to a temporary file beside the target, named
// "<file name>.saving-XXXXXX", which is flushed to disk and then renamed over
// the target. Nothing is ever written into the target itself, so where no
// temporary file can be made (a read-only folder) the replacement fails.

#include <QByteArray>
#include <QString>

namespace tikloom {

// True when `file` now holds exactly `bytes`. On false the old file is
// untouched and no temporary file is left. An existing file keeps its
// permissions; a symbolic link is followed and its target replaced.
bool ReplaceFileContents(const QString& file, const QByteArray& bytes);

// Removes the temporary files an interrupted replacement of `file` left
// behind. Only safe while no other replacement of `file` can be under way
// (that is, under the profile write lock).
void RemoveStaleReplacements(const QString& file);

// The name of a fresh temporary file for replacing `file` (random part
// included), and whether `name` is one of those for `file`.
QString ReplacementNameFor(const QString& file);
bool IsReplacementNameOf(const QString& name, const QString& fileName);

} // namespace tikloom
