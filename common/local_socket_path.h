#pragma once
// Where a program's per-user local socket lives. On Linux it is a socket file
// in a folder only the user can enter; on Windows a named pipe, whose name
// carries the user and the log-on session, as pipes share one machine-wide
// namespace.

#include <QString>

namespace tikloom {

// The full name of the local socket of the program whose class is className
// ("Tikloom" for the clock, "TTikloomCustomizer" for the customizer). Linux:
// inside $XDG_RUNTIME_DIR when it is set, owned by the user and closed to
// others, else inside a user-only folder under the temporary directory.
QString LocalServerPath(const QString& className);

// Outside a desktop session (no $XDG_RUNTIME_DIR, or one others can reach) Qt
// warns on start and makes a folder of its own; this points the variable at
// ours first. Call before the application object. Windows needs no folder.
void ProvideRuntimeFolder();

} // namespace tikloom
