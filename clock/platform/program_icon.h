#pragma once
// The program's icon and the open and closed hand cursors of the clock.

#include <QCursor>
#include <QIcon>

namespace tikloom {

QIcon ProgramIcon();
QCursor OpenHandCursor();
QCursor ClosedHandCursor();

} // namespace tikloom
