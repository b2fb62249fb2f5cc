#pragma once
// The speed model: searches, slow motion and frame steps made of one timed
// seek per main tick, and the jog dial and shuttle ring that drive them.

namespace rq {

class Player;

// Before the command pass: chooses the step of this tick's search from the
// state (playing, paused, stopped), the wheel modes and what is held.
void prepare_speed(Player& p);
// After the command pass: the seek of this tick, and the end of a search
// whose key was released.
void apply_speed(Player& p);

// Face search buttons held (button timers 6 and 7): search back or forward
// by the table of search steps.
void face_search_buttons(Player& p);

// While the jog dial is dragged: turns toward the pointer, at most three
// sectors a tick; paused, each sector is one frame.
void jog_dial_step(Player& p);
// While the shuttle ring is dragged the speed follows it; afterwards the
// indicator fades.
void shuttle_ring_step(Player& p);

// Timer tick step: a wheel turn becomes a speed step request.
void take_wheel_step(Player& p);
// Timer tick step: the speed level moves one step toward the request.
void apply_speed_step(Player& p);

}  // namespace rq
