#pragma once
// Shared pieces of the fuzz targets: one scratch folder per process (on a
// memory file system when there is one, so that saves cost no disk syncs)
// and the bytes of an input stored as a file there.

#include <QByteArray>
#include <QString>

namespace tikloom::fuzz {

// A program folder of this process, ending with "/"; made on first use.
QString ScratchFolder();

// Stores bytes as name in the scratch folder and returns its path.
QString StoreInput(const QString& name, const QByteArray& bytes);

// A Qt application object for the targets that draw (offscreen platform).
void EnsureGuiApplication();

} // namespace tikloom::fuzz
