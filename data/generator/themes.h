#pragma once
// The themes that ship with the clock, each drawn by its own painter.

#include "theme_file.h"

namespace tikloom {

ShippedTheme defaultTheme();
ShippedTheme slateTheme();
ShippedTheme linenTheme();
ShippedTheme harborTheme();

} // namespace tikloom
