#pragma once
// Gives memory that the process no longer uses back to the system, so that a
// clock sitting on the desktop keeps a small footprint after a theme load.

namespace tikloom {

void TrimMemory();

} // namespace tikloom
