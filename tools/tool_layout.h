#pragma once
// The layout the theme tool reads: that of the program folder given with
// --program-folder (portable or installed, told apart as the clock does), or
// else the tool's own.

#include "common/program_layout.h"

#include <QString>

namespace tikloom {

// False when givenFolder is not empty and not a folder.
bool ToolLayout(const QString& givenFolder, ProgramLayout& layout);

} // namespace tikloom
