#pragma once
// A headless player for benchmarks: the simulated engine, the test fakes of
// every window and service, and no command log, so a run measures the
// player and not a file.

#include "support/quiet_player.h"

namespace rq::bench {

struct BenchPlayer : test::QuietPlayer {
    BenchPlayer() : QuietPlayer("/bench/") {}
};

}  // namespace rq::bench
