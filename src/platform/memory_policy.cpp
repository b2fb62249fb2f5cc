#include "platform/memory_policy.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace rq {

void keep_large_blocks_out_of_arenas() {
#if defined(M_MMAP_THRESHOLD) && defined(M_TRIM_THRESHOLD)
    // glibc raises its mmap threshold to the largest block ever freed (up to
    // 32 MB), and its trim threshold with it. Once a frame buffer has been
    // freed, the frames and packets of every later file come from the
    // per-thread arenas, whose pages stay with the process: a player switching
    // files held twice the memory it needed and kept gaining for twenty
    // minutes. Fixed thresholds give large blocks and free tops back at once.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 256 * 1024);
#endif
}

}  // namespace rq
