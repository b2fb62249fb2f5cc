#pragma once
// The lists the player keeps its playlist, marks and timed text in.

#include "platform/list_store.h"

namespace rq {

struct Stores {
    ListStore path_list;         // the playlist, one full path per row
    ListStore folder_queue;      // folders still to scan during a drop
    TextStore last_list_file;    // the playlist file last loaded or saved
    ListStore index_marks;       // mark positions in ms, ascending
    ListStore index_texts;       // the text of each mark, bytes as in the file
    ListStore index_free_lines;  // index-file lines before "[IndexTime]", as in the file
    ListStore timed_text_lines;  // row 0 empty, then the timed lines (UTF-8)
};

}  // namespace rq
