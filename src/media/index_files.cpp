#include "media/index_files.h"

#include "core/player.h"
#include "playlist/index_marks.h"

namespace rq {

// Reading the files themselves comes with the keypad and the captions;
// until then every file opens without marks and without timed text.

void load_index(Player& p) {
    p.stores.index_marks.clear();
    p.stores.index_texts.clear();
    p.stores.index_free_lines.clear();
    index_mark_step(p, MarkOp::Locate);
    index_mark_step(p, MarkOp::Neighbours);
}

void load_timed_text(Player& p) {
    IndexState& ix = p.index;
    p.stores.timed_text_lines.clear();
    ix.index_times.fill(-1);
    ix.timed_text_loaded = 0;
    ix.display_field_mode = 1;
    ix.title_redraw = 3;
    ix.index_time_count = p.stores.timed_text_lines.count();
    ix.index_segment = 0;
}

void save_index(Player& p) {
    p.marks.index_changed = 0;
}

void render_timed_text_line(Player& p) {
    (void)p;
}

}  // namespace rq
