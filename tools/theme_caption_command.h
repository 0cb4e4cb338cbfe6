#pragma once
// "tikloom-theme caption": prints a caption as the clock would draw it, for
// theme authors and for checks.

#include <QStringList>

namespace tikloom {

// args: the arguments after "caption":
//   [--language NAME] --time YYYY-MM-DDTHH:MM:SS FORMAT
// FORMAT is written as in a theme file ("%x\n%X" with a backslash and n).
// Prints one line per caption line, nothing when no caption would be drawn.
// Returns the exit code: 0, or 2 on bad arguments.
int RunCaptionCommand(const QStringList& args);

} // namespace tikloom
