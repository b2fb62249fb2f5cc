#pragma once
// A headless player for benchmarks: the simulated engine, the test fakes of
// every window and service, and no command log, so a run measures the
// player and not a file.

#include <string>

#include "app/player_window.h"
#include "platform/sim_engine.h"
#include "platform/working_directory.h"
#include "support/headless.h"

namespace rq::bench {

struct BenchPlayer {
    SimEngine engine;
    VirtualWorkingDirectory cwd{"/"};
    MciChannel mci{engine, cwd};
    test::HeadlessHost host;
    test::HeadlessWindows children;
    WaveOutVolume volume{&engine, {}};
    KeyState keys;
    test::RecordingText text;
    test::ScriptedDialogs dialogs;
    test::CountingScreenSaver saver;
    PlayerWindow pw{PlayerEnv{mci,
                              host,
                              children.windows(),
                              volume,
                              keys,
                              cwd,
                              text,
                              dialogs,
                              saver,
                              {"/bench/", "/bench/RQ01.sys"},
                              {}}};
};

}  // namespace rq::bench
