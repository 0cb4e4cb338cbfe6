#pragma once
// The picture a tray icon window shows: the miniature centred on the place
// the tray gives the icon, laid over what the tray shows behind it where the
// tray's windows have no transparency of their own.

#include <QImage>
#include <QSize>

namespace tikloom {

// The side of the miniature drawn for a place of `place` device pixels: the
// place's smaller side, at most 256.
int TrayPictureSide(QSize place);

// `miniature` (premultiplied ARGB) centred on a premultiplied ARGB image of
// `place` pixels, over `background` when it has the place's size (the
// tray's own pixels, opaque) and over full transparency otherwise.
QImage PlaceTrayPicture(const QImage& miniature, QSize place, const QImage& background = {});

} // namespace tikloom
