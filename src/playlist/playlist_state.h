#pragma once
// Playlist bookkeeping; the paths themselves live in the main window's
// list store `path_list`.

#include <vector>

#include "playlist/random_draw.h"

namespace rq {

struct PlaylistState {
    int current_entry = 0;           // entry that plays, or is selected while stopped
    int entry_count = 0;             // rows of path_list as last counted
    std::vector<int> shuffle_order;  // a permutation of 0 .. shuffle_count - 1
    int shuffle_position = 0;
    int shuffle_count = 0;
    int editor_open = 0;         // 1 while the editor window exists
    int marked_entry = 0;        // row carrying the ">" marker in the editor
    int editor_entry_count = 0;  // entry count the editor publishes
    // Draws of build_shuffle_order; seeded from the clock, a test may reseed.
    PlaylistRandom random{clock_seed()};
};

// Index marks of the open file (positions in milliseconds live in the
// store index_marks, their texts in index_texts).
struct IndexMarkState {
    int index_count_before = 0;  // marks before the position
    int previous_mark_time = 0;
    int next_mark_time = 0;
    int index_changed = 0;  // marks added or deleted since loading
};

}  // namespace rq
