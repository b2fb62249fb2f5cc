#pragma once
// A headless player for benchmarks: the simulated engine, the test fakes of
// every window and service, and no command log, so a run measures the
// player and not a file.

#include <string>

#include "app/player_window.h"
#include "platform/sim_engine.h"
#include "platform/working_directory.h"
#include "support/headless_env.h"

namespace rq::bench {

struct BenchPlayer : test::HeadlessServices {
    SimEngine engine;
    VirtualWorkingDirectory cwd{"/"};
    MciChannel mci{engine, cwd};
    WaveOutVolume volume{&engine, {}};
    PlayerWindow pw{env(mci, volume, cwd, "/bench/rq810z")};
};

}  // namespace rq::bench
