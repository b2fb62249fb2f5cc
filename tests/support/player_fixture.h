#pragma once
// A whole player, headless: simulated engine, a host without a screen, a
// program folder of its own with the settings template beside the
// "executable".

#include <filesystem>
#include <string>
#include <vector>

#include "app/player_window.h"
#include "platform/sim_engine.h"
#include "support/temp_dir.h"

namespace rq::test {

struct Player {
    explicit Player(std::vector<std::string> args = {}, bool with_template = true) {
        if (with_template)
            std::filesystem::copy_file(std::string(RQ_SOURCE_DIR) + "/data/RQ01.sys",
                                       dir / "RQ01.sys");
        pw = std::make_unique<PlayerWindow>(
            PlayerEnv{mci, host, volume, keys, dir / "rq810z", std::move(args)});
    }

    // Sends a command and returns the reply, as the player would.
    std::string ask(const std::string& command) { return mci.query(command); }

    TempDir dir;
    KeepCwd cwd;
    SimEngine engine;
    std::string log_path = dir / "mci.log";
    MciChannel mci{engine, log_path};
    HeadlessHost host;
    WaveOutVolume volume{&engine, {}};
    KeyState keys;
    std::unique_ptr<PlayerWindow> pw;
};

}  // namespace rq::test
