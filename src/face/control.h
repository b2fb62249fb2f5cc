#pragma once
// What every face control shares: the hit test on the sprite table's
// rectangles, the pass's drawing surface, and the readings the face's steps
// leave for a drawing that changes nothing.

#include "core/player.h"
#include "platform/geometry.h"
#include "skin/blit_list.h"
#include "skin/sprite_table.h"

namespace rq {

// Both edges inclusive: a w x h rectangle answers on w + 1 columns.
constexpr bool hit(const SpriteRect& r, Point pt) {
    return pt.x >= r.x && pt.x <= r.x + r.w && pt.y >= r.y && pt.y <= r.y + r.h;
}
inline bool on(Hit id, Point pt) {
    return hit(hit_rect(id), pt);
}
constexpr SpriteRect shifted(SpriteRect r, int dx, int dy) {
    return {r.x + dx, r.y + dy, r.w, r.h};
}

// The pass's blits, with the sheet's looks by name. The blits run together
// once the whole face is recorded.
struct FaceCanvas {
    BlitList& blits;

    // A sheet rectangle onto the face at `dest`.
    void copy(FacePoint dest, SpriteRect src) {
        blits.copy(SurfaceId::SkinSheet, dest.x, dest.y, src.x, src.y, src.w, src.h);
    }
    void key(FacePoint dest, SpriteRect src) {
        blits.key_white(SurfaceId::SkinSheet, dest.x, dest.y, src.x, src.y, src.w, src.h);
    }
    // A sprite at its place on the face.
    void show(SpriteId id) { copy(face_place(id), sprite(id).rect); }
    // A sprite's lit look at its place.
    void show_lit(SpriteId id) { copy(face_place(id), lit(sprite(id).rect)); }
};

// What the face's steps read or decided for this pass's drawing, where the
// state alone no longer tells it.
struct FaceFrame {
    int position = 0;                  // the device's position (0 stopped)
    int keypad_lit_key = -1;           // the key shown pressed, read before its release ran
    bool keypad_number_shown = false;  // off while a count blinks
    int keypad_number = 0;             // the number in the keypad's window
    bool keypad_number_lit = false;
    bool title_paced = false;   // the title moved a paced step
    bool title_restage = true;  // the title field's strip is staged afresh
};

}  // namespace rq
