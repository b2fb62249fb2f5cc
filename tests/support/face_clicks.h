#pragma once
// Pointing at the face the way a user does.

#include "app/player_lifecycle.h"
#include "face/mouse.h"
#include "skin/face_layout.h"

namespace rq::test {

// A point `dx`, `dy` inside the hit rectangle of `h`.
inline Point at(Hit h, int dx = 1, int dy = 1) {
    const SpriteRect r = hit_rect(h);
    return {r.x + dx, r.y + dy};
}

// A left press and its release at `pt`.
inline void click(rq::Player& pw, Point pt) {
    mouse_left_down(pw, pt);
    mouse_left_up(pw);
}

}  // namespace rq::test
