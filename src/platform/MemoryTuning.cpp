#include "MemoryTuning.h"

#include <cstdlib> // defines __GLIBC__ on glibc systems

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void AjustaMemoria()
{
#if defined(__GLIBC__)
    constexpr int kKeep = 64 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024); // the largest glibc takes
    mallopt(M_TRIM_THRESHOLD, kKeep);
    mallopt(M_TOP_PAD, kKeep);
#endif
}
