#pragma once
// The face's mouse and wheel: these handlers find the control under the
// pointer and hand it the press, which becomes a request that the tick
// carries out or one of five drags (seek knob, volume knob, dial, badge,
// the window itself). They never draw; the next face pass shows what they
// changed. Points are in face (window) pixels.

#include "face/control.h"
#include "face/dial.h"

namespace rq {

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
