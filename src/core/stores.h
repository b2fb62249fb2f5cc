#pragma once
// The data lists and edits that the main window keeps out of sight.

#include "platform/list_store.h"

namespace rq {

struct HiddenStores {
    ListStore path_list;            // 1006: the playlist, one full path per row
    ListStore folder_queue;         // 1007: folders still to scan during a drop
    TextStore lowercase_box{true};  // 1000: reads back what it is given in lower case
    TextStore last_list_file;       // 1061: the playlist file last loaded or saved
    ListStore index_marks;          // 1086: mark positions in ms, ascending
    ListStore index_texts;          // 1074: the text of each mark, bytes as in the file
    ListStore index_free_lines;     // 1106: index-file lines before "[IndexTime]", as in the file
    ListStore timed_text_lines;     // 1107: row 0 empty, then the timed lines (UTF-8)
};

}  // namespace rq
