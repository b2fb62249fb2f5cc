#include "platform/random_draw.h"

#include <chrono>

namespace rq {

uint64_t clock_seed() {
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

int random_below(PlaylistRandom& rng, int n) {
    if (n < 1) return 0;
    const uint64_t bound = static_cast<uint64_t>(n);
    // The largest multiple of bound that the generator can reach; draws at or
    // above it would favour the low values.
    const uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
    uint64_t x;
    do {
        x = rng();
    } while (x >= limit);
    return static_cast<int>(x % bound);
}

}  // namespace rq
