#include "face/badge.h"

#include <algorithm>
#include <cstdlib>

#include "skin/face_layout.h"

namespace rq {

bool Badge::hit(const Player& p, Point pt) {
    if (p.settings.badge_gone != 0) return false;
    const Point off = p.face.badge_offset;
    return rq::hit(shifted(hit_rect(Hit::Badge), off.x, off.y), pt);
}

void Badge::grab(Player& p) {
    p.face.badge_drag = 1;
    p.face.badge_falling = 0;
}

bool Badge::follow(Player& p, Point delta) {
    FaceState& f = p.face;
    if (!f.badge_drag) return false;
    f.badge_offset.x += delta.x;
    f.badge_offset.y += delta.y;
    return true;
}

void Badge::drop(Player& p) {
    FaceState& f = p.face;
    if (f.badge_drag == 0) return;
    f.badge_drag = 0;
    if (std::abs(f.badge_offset.x) > kBadgeStayDistance ||
        std::abs(f.badge_offset.y) > kBadgeStayDistance)
        f.badge_falling = 1;
}

void Badge::draw(const Player& p, FaceCanvas& c) {
    if (p.settings.badge_gone != 0) return;
    const FaceState& f = p.face;
    c.key({kBadgeHome.x + f.badge_offset.x, kBadgeHome.y + f.badge_offset.y},
          sprite(SpriteId::Badge).rect);
}

void Badge::fall_step(Player& p) {
    FaceState& f = p.face;
    if (p.settings.badge_gone != 0 || f.badge_falling == 0) return;
    const int steps = static_cast<int>(kBadgeFall.size());
    f.badge_falling = std::clamp(f.badge_falling + 1, 1, steps);
    f.badge_offset.y += kBadgeFall[static_cast<size_t>(f.badge_falling - 1)];
    if (f.badge_offset.y > kBadgeGoneBelow) p.settings.badge_gone = 1;
}

}  // namespace rq
