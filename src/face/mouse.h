#pragma once
// The face's mouse and wheel. The face has no controls: these handlers
// hit-test the face's fixed rectangles and turn presses into requests that
// the tick carries out, or run one of five drags (seek knob, volume knob,
// dial, badge, the window itself). They never draw; the next face pass
// shows what they changed. Points are in face (window) pixels.

#include "platform/geometry.h"
#include "skin/sprite_table.h"

namespace rq {

class Player;

// Both edges inclusive: a w x h rectangle answers on w + 1 columns.
constexpr bool hit(const SpriteRect& r, Point pt) {
    return pt.x >= r.x && pt.x <= r.x + r.w && pt.y >= r.y && pt.y <= r.y + r.h;
}

// The dial angle of `pt` around the dial's centre, counter-clockwise from
// the right, in `n` sectors (12 for the jog dial, 32 for the shuttle ring):
// 0..n-1.
int dial_sector(Point pt, int n);

void mouse_left_down(Player& p, Point pt);
void mouse_move(Player& p, Point pt);
void mouse_left_up(Player& p);
void mouse_left_double_click(Player& p);
void mouse_right_down(Player& p, Point pt);
void mouse_right_up(Player& p);
void mouse_middle_down(Player& p);
// `delta`: the wheel's turn, negative towards the user.
void mouse_wheel(Player& p, int delta);
// The window system took the pointer away while a button was down (a
// release will not come): ends what the press started, as a release
// would, but runs no release action.
void mouse_cancel_mode(Player& p);

}  // namespace rq
