#include "transport/face_composition.h"

#include "core/player.h"
#include "skin/skin_surfaces.h"
#include "transport/speed.h"

namespace rq {

namespace {

void draw_base_face(Player& p) {
    blit_copy(p.skin, SurfaceId::SkinSheet, 0, 0, 0, 0, 406, 93);
}

// Keypad mode hides the dial; otherwise it turns.
void dial_area(Player& p) {
    if (p.settings.keypad_mode == 1) return;
    jog_dial_step(p);
    shuttle_ring_step(p);
}

// Paced steps come once per 150 ms at either tick rate.
void update_pace(Player& p) {
    if (p.tick.tick_divider != 0)
        p.face.pace_count = 5;
    else
        p.face.pace_count += 1;
}

// The title moves 4 pixels a paced step, starting after an open.
void title_pace(Player& p) {
    if (p.transport.selection_pending > 0) return;
    if (p.face.pace_count < 5 || p.stores.path_list.empty()) return;
    GeometryState& g = p.geometry;
    if (g.zoom_display_ticks > 0) g.zoom_display_ticks -= 1;
    MediaState& m = p.media;
    if (m.title_scroll_started == 0) {
        m.title_scroll = -141;
        m.title_scroll_started = 1;
    }
    m.title_scroll += 4;
    p.face.pace_count = 0;
}

}  // namespace

void compose_face(Player& p) {
    draw_base_face(p);
    face_search_buttons(p);
    dial_area(p);
    update_pace(p);
    prepare_speed(p);
    title_pace(p);
}

}  // namespace rq
