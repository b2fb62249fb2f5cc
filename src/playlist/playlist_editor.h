#pragma once
// The playlist editor's lists and published state. Its window (a view over
// row_list) comes with the editor; the lists exist for the whole run.

#include "platform/list_store.h"
#include "playlist/random_draw.h"

namespace rq {

class PlaylistEditor {
  public:
    ListStore row_list;      // one " %04d name.ext" row per entry while open
    ListStore folder_queue;  // folders still to scan during a drop on the editor
    int editor_request = 0;  // 1 play requested_entry, 10 resized
    int requested_entry = 0;
    int editor_moved = 0;
    int sort_mode = 0;  // 0 path up, 1 path down, 2 name up, 3 name down
    bool has_window = false;
    // Draws of the Random button; reseeded from the clock whenever the
    // editor is shown.
    PlaylistRandom random{clock_seed()};
};

}  // namespace rq
