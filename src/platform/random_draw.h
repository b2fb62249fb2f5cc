#pragma once
// The random numbers behind the shuffle order and the editor's Random: a
// full 64-bit generator, so every position of a long list can be drawn and
// no index is favoured.

#include <cstdint>
#include <random>

namespace rq {

using PlaylistRandom = std::mt19937_64;

// A seed from the wall clock, as the player has always seeded its shuffles.
uint64_t clock_seed();

// Uniform in 0 .. n - 1 (0 when n < 1). Rejection sampling instead of a
// bare modulo, and the same results with every standard library.
int random_below(PlaylistRandom& rng, int n);

}  // namespace rq
