#pragma once
// Pictures drawn by the program itself: the padlock of the theme lock button
// and the application's icon.

#include <QIcon>

namespace tikloom {

// Open padlock when the button is up, closed padlock when it is down.
QIcon PadlockIcon();

// A small clock face, the customizer's window and about-box icon.
QIcon ApplicationIcon();

} // namespace tikloom
