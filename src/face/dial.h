#pragma once
// The jog dial and the shuttle ring around it: a left press inside the
// inner circle takes the jog dial, farther out the ring. While held they
// turn toward the pointer and drive the speed; the knob sits on its circle
// and the ring's dot fades in and out.

#include "face/control.h"

namespace rq {

// The dial angle of `pt` around the dial's centre, counter-clockwise from
// the right, in `n` sectors (12 for the jog dial, 32 for the shuttle ring):
// 0..n-1.
int dial_sector(Point pt, int n);

struct Dial {
    static bool hit(Point pt) { return on(Hit::Dial, pt); }
    static void press(Player& p, Point pt);
    // The pointer moved while the dial or the ring is held.
    static void follow(Player& p, Point pt);
    // The left release: a let-go ring returns to normal speed.
    static void release(Player& p);

    // Face pass steps while held. The jog dial turns toward the pointer, at
    // most three sectors a pass; paused, each sector is one frame. The
    // ring's speed follows it; afterwards its dot fades.
    static void jog_step(Player& p);
    static void shuttle_step(Player& p);

    static void draw(const Player& p, FaceCanvas& c);
};

}  // namespace rq
