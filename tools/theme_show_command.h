#pragma once
// "tikloom-theme show": prints the theme model as the clock would load it.

#include <QStringList>

namespace tikloom {

// args: the arguments after "show". Returns the exit code (2 on bad arguments).
int RunShowCommand(const QStringList& args);

} // namespace tikloom
