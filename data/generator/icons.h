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

// The point of a cursor that the pointer position names.
constexpr int kCursorHotSpot = 15;

// A .cur file of one 32-bit image with its hot spot, for a Windows resource.
QByteArray curFile(const QImage& image, int hotX, int hotY);

// Writes tikloom-<size>.png, hand-open.png and hand-closed.png, the names under
// which the programs embed them (":/icons/..."), and tikloom.ico, hand-open.cur
// and hand-closed.cur for Windows resources.
void writeIcons(const QString& folder);

} // namespace tikloom
