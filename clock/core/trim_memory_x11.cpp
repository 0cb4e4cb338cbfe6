#include "clock/core/trim_memory.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tikloom {

void TrimMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace tikloom
