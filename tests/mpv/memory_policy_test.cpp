// The allocator policy the player sets before its first thread.

#include <gtest/gtest.h>

#include <cstdlib>

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

#include "platform/memory_policy.h"

#if defined(__SANITIZE_ADDRESS__)
#define RQ_OWN_ALLOCATOR 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define RQ_OWN_ALLOCATOR 1
#endif
#endif

namespace rq {
namespace {

TEST(MemoryPolicy, AFrameAfterAFreedFullScreenBufferStillComesFromItsOwnMapping) {
#if defined(RQ_OWN_ALLOCATOR) || !defined(__GLIBC__)
    GTEST_SKIP() << "glibc's allocator is not the one in use";
#else
    keep_large_blocks_out_of_arenas();
    // Left to itself, glibc would now serve blocks up to this size from an arena.
    auto* full_screen = static_cast<volatile char*>(std::malloc(8 << 20));
    full_screen[0] = 1;
    std::free(const_cast<char*>(full_screen));

    const size_t mapped_before = mallinfo2().hblkhd;
    auto* frame = static_cast<volatile char*>(std::malloc(1 << 20));
    frame[0] = 1;
    const size_t mapped = mallinfo2().hblkhd - mapped_before;
    std::free(const_cast<char*>(frame));
    EXPECT_GE(mapped, size_t{1} << 20) << "the frame came from an arena, which keeps its pages";
#endif
}

}  // namespace
}  // namespace rq
