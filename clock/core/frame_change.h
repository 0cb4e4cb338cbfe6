#pragma once
// Where a new frame differs from the one on screen: once a second the hands
// move, and only the rectangle they swept need go to the window (and through
// the X server and the compositor after it).

#include <QImage>
#include <QRect>

namespace tikloom {

// The smallest rectangle holding every pixel that differs between the two
// images; empty when none does; the whole of `after` when they differ in
// size or pixel format.
QRect ChangedArea(const QImage& before, const QImage& after);

} // namespace tikloom
