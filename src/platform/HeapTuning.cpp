// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HeapTuning.h"

// Any C library header tells which C library this is.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace gx508 {

void ReturnLargeBuffersToTheSystem() {
#if defined(__GLIBC__)
    // The C library's default threshold for mapping a buffer on its own.
    constexpr int kOwnMappingBytes = 128 * 1024;
    mallopt(M_MMAP_THRESHOLD, kOwnMappingBytes);
#endif
}

}  // namespace gx508
