#pragma once
// Text of a desktop entry file (the freedesktop.org Desktop Entry format)
// that starts one program in its own folder.

#include <QByteArray>
#include <QString>

namespace tikloom {

// An argument of an Exec line: quoted and escaped so that the launcher gets
// the path back unchanged whatever characters it holds.
QString QuoteExecArgument(const QString& argument);

// A value escaped as the format's "string" type (backslash, newline, tab,
// carriage return, leading space).
QString EscapeDesktopString(const QString& value);

// The entry that starts programFile in workingFolder, named and described by name.
QByteArray DesktopEntryText(const QString& name, const QString& programFile,
                            const QString& workingFolder);

} // namespace tikloom
