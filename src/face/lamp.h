#pragma once
// The face's lamps: A-B repeat, the play state, SHUFFLE and REPEAT, the
// speed bars and the inactive window's logo. SHUFFLE, REPEAT and the A-B
// label also answer a press.

#include "face/control.h"

namespace rq {

struct Lamp {
    // SHUFFLE and REPEAT switch on a left press.
    static void toggle_shuffle(Player& p);
    static void toggle_repeat(Player& p);
    // The A-B label: the left button steps through its states, the right
    // one steps back from a set or looping pair.
    static void ab_left(Player& p);
    static void ab_right(Player& p);

    static void draw_ab(const Player& p, FaceCanvas& c);
    // Stopped, paused, shuffle and repeat.
    static void draw_state(const Player& p, FaceCanvas& c);
    // The speed bars with the stop and reverse lamps, after the speed's
    // preparation.
    static void draw_speed(const Player& p, FaceCanvas& c);
    static void draw_inactive_logo(const Player& p, FaceCanvas& c);
};

}  // namespace rq
