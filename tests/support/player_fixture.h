#pragma once
// A whole player, headless: simulated engine, fakes of every window and
// service, a program folder of its own with the settings template beside
// the "executable", and a working directory of its own.

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/player_lifecycle.h"
#include "platform/sim_engine.h"
#include "platform/working_directory.h"
#include "support/headless_env.h"
#include "support/temp_dir.h"

namespace rq::test {

struct Player : HeadlessServices {
    // `editor` stands in for the headless editor window when given.
    explicit Player(std::vector<std::string> args = {}, bool with_template = true,
                    EditorWindow* editor = nullptr) {
        if (with_template)
            std::filesystem::copy_file(std::string(RQ_SOURCE_DIR) + "/data/RQ01.sys",
                                       dir / "RQ01.sys");
        life = std::make_unique<PlayerLifecycle>(
            env(mci, volume, cwd, dir.path(), std::move(args), nullptr, editor));
        pw = &life->player();
    }

    // Sends a command and returns the reply, as the player would.
    std::string ask(const std::string& command) { return mci.query(command); }

    // The commands sent so far, without their replies.
    std::vector<std::string> commands() const {
        std::vector<std::string> out;
        std::istringstream log(read_bytes(log_path));
        for (std::string line; std::getline(log, line);)
            out.push_back(line.substr(0, line.find('\t')));
        return out;
    }
    // The commands sent from now on.
    void forget_commands() { write_bytes(log_path, ""); }

    // The whole start-up, then the first tick.
    void start() {
        life->on_create();
        life->init_dialog();
        life->timer_tick();
    }
    // Timer ticks until `n` main ticks have run; the virtual clock moves
    // `ms` with every timer tick.
    void main_ticks(int n, int ms = 30) {
        for (int done = 0; done < n;) {
            engine.advance(ms);
            life->timer_tick();
            if (pw->tick.tick_phase == 0 && pw->tick.busy == 0) ++done;
        }
    }

    TempDir dir;
    VirtualWorkingDirectory cwd{"/"};
    SimEngine engine;
    std::string log_path = dir / "mci.log";
    MciChannel mci{engine, cwd, log_path};
    WaveOutVolume volume{&engine, {}};
    std::unique_ptr<PlayerLifecycle> life;
    rq::Player* pw = nullptr;  // the player that `life` holds
};

}  // namespace rq::test
