#pragma once
// Mouse state that the face and the tick read.

namespace rq {

struct InputState {
    bool mouse_held = false;   // 1 while the left button is down on the face
    int seek_drag = 0;         // 0 none, 1 dragging, 2 ended at a track end
    int seek_knob = 0;         // pixels, 0..206
    int volume_drag = 0;       // 0 none, 1 dragging, 2 ended at a track end
    int volume_knob = 0;       // 0..58
    int keypad_key = -1;       // last keypad key code
    int keypad_press = 0;      // 1 pressed, 2 released, 3 pressed with the right button
    bool title_hover = false;  // 1 while the pointer is over the title field
    bool search_held = false;  // 1 while REW or FF is held with a button
    bool quit_armed = false;   // 1: POWER was pressed; the left release quits
};

inline constexpr int seek_bar_length = 206;

}  // namespace rq
