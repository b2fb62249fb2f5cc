#pragma once
// A headless player on the simulated engine that keeps no command log, for
// runs that send commands without end: benchmarks, fuzz targets and the
// helper that saves until it is killed.

#include <string>

#include "app/player_lifecycle.h"
#include "platform/sim_engine.h"
#include "platform/working_directory.h"
#include "support/headless_env.h"

namespace rq::test {

struct QuietPlayer : HeadlessServices {
    // `folder` (with a trailing "/") holds the player's files and settings template.
    explicit QuietPlayer(const std::string& folder) : life(env(mci, volume, cwd, folder)) {}

    VirtualWorkingDirectory cwd{"/"};
    SimEngine engine;
    MciChannel mci{engine, cwd};
    WaveOutVolume volume{&engine, {}};
    PlayerLifecycle life;
    rq::Player& pw = life.player();
};

}  // namespace rq::test
