#include "playlist/editor_exchange.h"

#include "core/player.h"
#include "media/device_ops.h"
#include "playlist/playlist_model.h"

namespace rq {

void exchange_with_editor(Player& p) {
    PlaylistState& pl = p.playlist;
    EditorState& ed = p.editor;
    if (pl.editor_open != 1) return;
    if (pl.entry_count != pl.shuffle_count) build_shuffle_order(p);
    if (ed.editor_request == 10) {
        editor_layout(p);
        const Rect r = p.windows().editor.rect();
        p.settings.editor_rect = {r.x, r.y, r.w, r.h};
        ed.editor_request = 0;
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
    // The editor's controls are laid out by its own window.
    (void)p;
}

}  // namespace rq
