#pragma once
// The face composition's parts that live in files of their own, and the
// copies they all make. Only the face composition includes this.

#include "core/player.h"
#include "skin/blit_list.h"
#include "skin/sprite_table.h"

namespace rq {

// The pass's blits, run together at its end.
inline BlitList& blits(Player& p) {
    return p.face.blits;
}

// A sheet rectangle onto the face at `dest`.
inline void copy_sprite(Player& p, FacePoint dest, SpriteRect src) {
    blits(p).copy(SurfaceId::SkinSheet, dest.x, dest.y, src.x, src.y, src.w, src.h);
}
inline void key_sprite(Player& p, FacePoint dest, SpriteRect src) {
    blits(p).key_white(SurfaceId::SkinSheet, dest.x, dest.y, src.x, src.y, src.w, src.h);
}
// A sprite at its place on the face.
inline void show(Player& p, SpriteId id) {
    copy_sprite(p, face_place(id), sprite(id).rect);
}
// A sprite's lit look at its place.
inline void show_lit(Player& p, SpriteId id) {
    copy_sprite(p, face_place(id), lit(sprite(id).rect));
}

// The counter field: entry counters or the zoom value.
void draw_counters(Player& p);
// The time readout for the position just read, in the readout's mode.
void draw_time(Player& p, int position);
// The display line and the title field, with the title's paced scroll.
void draw_title_fields(Player& p);

}  // namespace rq
