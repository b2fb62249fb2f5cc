#pragma once
// Playlist bookkeeping; the paths themselves live in the main window's
// list store `path_list`.

#include <optional>
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "platform/list_store.h"
#include "platform/random_draw.h"

namespace rq {

struct PlaylistState {
    int current_entry = 0;           // entry that plays, or is selected while stopped
    int entry_count = 0;             // rows of path_list as last counted
    std::vector<int> shuffle_order;  // a permutation of 0 .. shuffle_count - 1
    int shuffle_position = 0;
    int shuffle_count = 0;
    bool editor_open = false;    // 1 while the editor window exists
    int marked_entry = 0;        // row carrying the ">" marker in the editor
    int editor_entry_count = 0;  // entry count the editor publishes
    // Entries opened in a row that the device could not open; a whole pass
    // of them stops the player instead of cycling forever.
    int failed_opens = 0;
    // Draws of build_shuffle_order; seeded from the clock, a test may reseed.
    PlaylistRandom random{clock_seed()};
};

// The playlist editor's lists and requests. Its window is a view over
// row_list; the lists exist for the whole run.
struct EditorState {
    ListStore row_list;      // one " %04d name.ext" row per entry while open
    ListStore folder_queue;  // folders still to scan during a drop on the editor
    int editor_request = 0;  // 1 play requested_entry, 10 resized
    int requested_entry = 0;
    bool editor_moved = false;  // 1 after the window moved; cleared when queried
    Size editor_client_size;    // pixels, from the last size change
    std::string shown_path;     // the read-only box: a folder or the last list file
    int sort_mode = 0;          // 0 path up, 1 path down, 2 name up, 3 name down
    // Where the window opened instead of the default place, which stays
    // saved until the user moves the window; nullopt at the saved place.
    std::optional<Point> beside_face;
    // Draws of the Random button; reseeded from the clock whenever the
    // editor is shown.
    PlaylistRandom random{clock_seed()};
};

// Index marks of the open file (positions in milliseconds live in the
// store index_marks, their texts in index_texts).
struct IndexMarkState {
    int index_count_before = 0;  // marks before the position
    int previous_mark_time = 0;  // ms
    int next_mark_time = 0;      // ms
    int index_changed = 0;       // marks added or deleted since loading
    int position_ms = 0;         // the position as the tick last saw it
    int mark_target_ms = -1;     // where going to a mark last sought (ms); -1: nowhere yet
};

}  // namespace rq
