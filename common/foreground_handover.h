#pragma once
// A second start asks the running program to come to the front. Windows lets
// only the program the user is working with (here the second start) bring a
// window to the foreground, so it passes that right on before it asks.

namespace tikloom {

void AllowForegroundHandOver();

} // namespace tikloom
