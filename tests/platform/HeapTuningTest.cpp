// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HeapTuning.h"

#include <gtest/gtest.h>

#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace gx508 {
namespace {

// The sanitizers bring their own allocator, which has no such threshold.
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)

// Kept where the compiler cannot see through it, so that no allocation here is optimised away.
void* volatile g_buffer = nullptr;

// Buffers of this size are mapped on their own only while the threshold stays fixed: freeing one
// would otherwise raise the threshold past it.
constexpr std::size_t kBufferBytes = 512 * 1024;

std::size_t OwnMappings() {
    return mallinfo2().hblks;
}

TEST(HeapTuningTest, LargeBuffersStayOnTheirOwnMappingsAfterOneIsFreed) {
    ReturnLargeBuffersToTheSystem();
    g_buffer = std::malloc(kBufferBytes);
    std::free(g_buffer);
    const std::size_t before = OwnMappings();
    g_buffer = std::malloc(kBufferBytes);
    ASSERT_NE(g_buffer, nullptr);
    EXPECT_EQ(OwnMappings(), before + 1);
    std::free(g_buffer);
    EXPECT_EQ(OwnMappings(), before);
}

#endif

}  // namespace
}  // namespace gx508
