#pragma once
// One headless player for the targets that read a companion file of the
// open media file: built once, with "media/clip.avi" open and playing, so
// each input only replaces the companion file and reads it again.

#include <filesystem>
#include <string>

#include "support/player_fixture.h"

namespace rq::fuzz {

struct ClipPlayer {
    ClipPlayer() {
        std::filesystem::create_directories(p.dir / "media");
        // 10 bytes long: its companions in the program's "Index" folder
        // would be "clip(10).idx"; there is no such folder, so the player
        // reads and writes them beside the clip.
        test::write_bytes(clip, "0123456789");
        p.engine.add_media(clip, {60000, 25.0, Rect{0, 0, 320, 240}});
        p.pw->stores.path_list.insert_at(-1, clip);
        p.start();
        p.pw->settings.index_beside_file = 1;
    }
    // Writes a companion of the clip; ".idx" or ".txt".
    void put(const char* extension, std::string_view bytes) {
        test::write_bytes(p.dir / "media/clip" + extension, bytes);
        // The command log would grow with every input.
        p.forget_commands();
        p.text.lines.clear();
    }
    PlayerWindow& pw() { return *p.pw; }

    test::Player p;
    std::string clip = p.dir / "media/clip.avi";
};

// The player, made on first use and kept for the whole run.
inline ClipPlayer& clip_player() {
    static ClipPlayer player;
    return player;
}

}  // namespace rq::fuzz
