#pragma once
// The index-search keypad that stands over the dial in keypad mode: typed
// digits make the number the next back or next steps by, ENTER and ERASE
// set and remove index marks, BACK and NEXT step between them, and its
// window shows the typed number, the entry number or the marks before the
// position.

#include "face/control.h"

namespace rq {

struct Keypad {
    static bool hit(Point pt) { return on(Hit::Dial, pt); }
    static void press(Player& p, Point pt);
    // A right press on the dial's area: in keypad mode BACK and NEXT
    // answer it, elsewhere it switches between the dial and the keypad.
    static void right_press(Player& p, Point pt);

    // Face pass step: a released key acts on the index marks, and the
    // window's number counts down.
    static void step(Player& p, FaceFrame& f);
    static void draw(const FaceFrame& f, FaceCanvas& c);
};

}  // namespace rq
