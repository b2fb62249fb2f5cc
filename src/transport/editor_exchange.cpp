#include "transport/editor_exchange.h"

#include "core/player.h"
#include "media/device_ops.h"
#include "playlist/playlist_editor.h"
#include "playlist/playlist_model.h"

namespace rq {

namespace {

// The editor's window rectangle becomes the one it opens at next time;
// only its size while it stands where it went in place of the default.
void keep_editor_rect(Player& p) {
    const Rect r = p.windows().editor.rect();
    if (r.w <= 0 || r.h <= 0) return;
    auto& saved = p.settings.editor_rect;
    std::optional<Point>& beside = p.editor.beside_face;
    if (beside && *beside == Point{r.x, r.y}) {
        saved.w = r.w;
        saved.h = r.h;
        return;
    }
    beside.reset();
    saved = {r.x, r.y, r.w, r.h};
}

}  // namespace

void exchange_with_editor(Player& p) {
    PlaylistState& pl = p.playlist;
    EditorState& ed = p.editor;
    if (pl.editor_open != 1) return;
    if (pl.entry_count != pl.shuffle_count) build_shuffle_order(p);
    // A window that was only moved is kept where it went as well.
    const bool moved = editor_query(p, 100) == 1;
    if (ed.editor_request == 10) {
        editor_layout(p);
        ed.editor_request = 0;
        keep_editor_rect(p);
    } else if (moved) {
        keep_editor_rect(p);
    }
    if (ed.editor_request == 1) {
        pl.current_entry = ed.requested_entry;
        ed.editor_request = 0;
        ed.requested_entry = 0;
        stop_playback(p);
        p.transport.pending_command = Command::Open;
    }
    pl.current_entry = pl.marked_entry;
    pl.entry_count = pl.editor_entry_count;
}

void editor_layout(Player& p) {
    p.windows().editor.lay_out(editor_control_rects(p.editor.editor_client_size));
}

}  // namespace rq
