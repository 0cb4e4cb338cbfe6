// Windows: the working set is emptied; pages come back from memory as the
// clock touches them again.

#include "clock/core/trim_memory.h"

#include <windows.h>

namespace tikloom {

void TrimMemory() {
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

} // namespace tikloom
