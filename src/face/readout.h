#pragma once
// The display's numbers: the audio file's rates, the entry counters (or
// the picture's zoom) and the time readout. The time readout and the
// counter change what they show with a click that still lets the window
// move.

#include "face/control.h"

namespace rq {

struct Readout {
    // The time readout steps through its modes: forward with the left
    // button, back with the right.
    static void time_left(Player& p);
    static void time_right(Player& p);
    // The counter switches between the entries and the zoom value.
    static void counter_press(Player& p);

    // Face pass step: one position read serves the time readout. Stopped,
    // the device is closed and would answer nothing, which reads as 0.
    static void read_position(Player& p, FaceFrame& f);

    static void draw_audio_info(const Player& p, FaceCanvas& c);
    static void draw_counters(const Player& p, FaceCanvas& c);
    static void draw_time(const Player& p, const FaceFrame& f, FaceCanvas& c);
};

}  // namespace rq
