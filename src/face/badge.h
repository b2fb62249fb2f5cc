#pragma once
// The badge on the display: dragged off its home with the left button, it
// stays when dropped within 3 pixels of home and otherwise falls off the
// face, gone for good.

#include "face/control.h"

namespace rq {

struct Badge {
    static bool hit(const Player& p, Point pt);
    static void grab(Player& p);
    // While dragged it follows the pointer; false when not dragged.
    static bool follow(Player& p, Point delta);
    // The left release.
    static void drop(Player& p);

    static void draw(const Player& p, FaceCanvas& c);
    // After the drawing: a dropped badge falls a step, growing, and is gone
    // once its top is far enough below home.
    static void fall_step(Player& p);
};

}  // namespace rq
