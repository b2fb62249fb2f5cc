#pragma once
// Every kind of save the player makes, as one table, for the test that
// kills the player in the middle of them: what each writes, how to put one
// of two versions of the state in place, and the save itself, done the way
// the player does it. A new kind of save is one more row.

#include <string>
#include <vector>

#include "media/index_files.h"
#include "playlist/playlist_editor.h"
#include "support/quiet_player.h"

namespace rq::test {

// A headless player whose program folder is `folder` (with a trailing
// "/"); it leaves nothing behind when it is killed.
struct SavingPlayer : QuietPlayer {
    explicit SavingPlayer(const std::string& folder) : QuietPlayer(folder) {
        pw.files_folder = folder;  // as the start-up would, without its saves
    }
};

struct SaveKind {
    const char* name;
    std::vector<std::string> files;                 // what the save replaces, in the program folder
    void (*prepare)(SavingPlayer& s, int version);  // version 0 or 1
    void (*save)(PlayerLifecycle& p);
};

// Long enough that a write takes a while: many lines, each a few dozen bytes.
inline std::string numbered(const char* what, int i) {
    return std::string("/home/user/") + what + "/entry " + std::to_string(100000 + i) + ".mpg";
}

inline void prepare_shutdown(SavingPlayer& s, int version) {
    rq::Player& p = s.pw;
    p.stores.path_list.clear();
    for (int i = 0; i < (version ? 6000 : 4000); ++i)
        p.stores.path_list.insert_at(-1, numbered(version ? "new" : "old", i));
    p.tick.tick_done_first = 1;  // the list was read, so it is written back
    p.settings.shuffle = version;
    p.settings.current_folder = numbered(version ? "new" : "old", 0);
    p.settings.main_window_pos = {10 + version, 20};
    p.stores.last_list_file.set_text(numbered("lists", version));
}

inline void prepare_index(SavingPlayer& s, int version) {
    rq::Player& p = s.pw;
    p.media.current_path = p.files_folder + "media/clip.avi";
    p.media.current_file_size = 10;
    p.settings.index_beside_file = 1;
    std::vector<std::string> marks, texts;
    for (int i = 0; i < (version ? 5000 : 3000); ++i) {
        marks.push_back(std::to_string(i * 40 + version));
        texts.push_back(numbered(version ? "new" : "old", i));
    }
    p.stores.index_marks.assign(std::move(marks));
    p.stores.index_texts.assign(std::move(texts));
    p.stores.index_free_lines.assign({version ? "new" : "old"});
    p.marks.index_changed = 1;
}

// The editor open on a long list, its Save dialog answering a name without
// an extension.
inline void prepare_editor(SavingPlayer& s, int version) {
    rq::Player& p = s.pw;
    p.playlist.editor_open = 1;
    p.stores.path_list.clear();
    for (int i = 0; i < (version ? 6000 : 4000); ++i)
        p.stores.path_list.insert_at(-1, numbered(version ? "new" : "old", i));
    s.dialogs.answer = p.files_folder + "saved";
}

inline const std::vector<SaveKind>& save_kinds() {
    static const std::vector<SaveKind> kinds{
        // The end of a run: the default playlist, then the settings.
        {"shutdown",
         {"RQ01.rql", "RQ01.CFG"},
         prepare_shutdown,
         [](PlayerLifecycle& p) { p.shutdown(); }},
        // STOP with changed marks.
        {"index",
         {"media/clip.idx"},
         prepare_index,
         [](PlayerLifecycle& p) { save_index(p.player()); }},
        // The editor's Save button.
        {"editor",
         {"saved.rql"},
         prepare_editor,
         [](PlayerLifecycle& p) { editor_save(p.player()); }},
    };
    return kinds;
}

}  // namespace rq::test
