#pragma once
// Whole files read and written by the tests of the file-writing code.

#include <QByteArray>
#include <QString>

namespace tikloom::test {

// The file's bytes, or "<unreadable>".
QByteArray Contents(const QString& path);
// Writes the bytes as the file's whole contents; a test that cannot set up
// its file ends at once.
void Store(const QString& path, const QByteArray& bytes);

} // namespace tikloom::test
