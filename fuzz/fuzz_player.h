#pragma once
// One headless player for the targets that read a companion file of the
// open media file: built once, with "media/clip.avi" open and playing, so
// each input only hands the reader the companion's bytes. No command log:
// it would grow with every input.

#include <filesystem>
#include <string>

#include "support/quiet_player.h"
#include "support/temp_dir.h"

namespace rq::fuzz {

// The folder comes first, so the player can be made in it.
struct ClipFolder {
    test::TempDir dir;
};

struct ClipPlayer : ClipFolder, test::QuietPlayer {
    ClipPlayer() : QuietPlayer(dir.path()) {
        std::filesystem::copy_file(std::string(RQ_SOURCE_DIR) + "/data/RQ01.sys", dir / "RQ01.sys");
        std::filesystem::create_directories(dir / "media");
        // 10 bytes long: its companions in the program's "Index" folder
        // would be "clip(10).idx"; there is no such folder, so the player
        // reads and writes them beside the clip.
        test::write_bytes(clip, "0123456789");
        engine.add_media(clip, {60000, 25.0, Rect{0, 0, 320, 240}});
        pw.stores.path_list.insert_at(-1, clip);
        life.on_create();
        life.init_dialog();
        life.timer_tick();
        pw.settings.index_beside_file = 1;
    }
    // Sends a command and returns the reply, as the player would.
    std::string ask(const std::string& command) { return mci.query(command); }

    std::string clip = dir / "media/clip.avi";
};

// The player, made on first use and kept for the whole run.
inline ClipPlayer& clip_player() {
    static ClipPlayer player;
    return player;
}

}  // namespace rq::fuzz
