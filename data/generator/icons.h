#pragma once
// The program's icon (16, 32, 48 and 256 pixels, and one .ico holding them)
// and its two cursors, the open and the closed hand (32 x 32, black and
// white, hot spot at 15, 15).

#include <QImage>
#include <QList>
#include <QString>

namespace tikloom {

QImage programIcon(int size);
QImage openHandCursor();
QImage closedHandCursor();

// An .ico file holding the images as PNG entries (one per size, at most 256).
QByteArray icoFile(const QList<QImage>& images);

// Writes tikloom-<size>.png, tikloom.ico, hand-open.png and hand-closed.png, the
// names under which the programs embed them (":/icons/...").
void writeIcons(const QString& folder);

} // namespace tikloom
