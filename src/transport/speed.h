#pragma once
// The speed model: searches, slow motion and frame steps made of one timed
// seek per main tick. The face's held buttons, jog dial and shuttle ring
// drive it from face/.

namespace rq {

class Player;

// Before the command pass: chooses the step of this tick's search from the
// state (playing, paused, stopped), the wheel modes and what is held.
void prepare_speed(Player& p);
// After the command pass: the seek of this tick, and the end of a search
// whose key was released.
void apply_speed(Player& p);

// Timer tick step: a wheel turn becomes a speed step request.
void take_wheel_step(Player& p);
// Timer tick step: the speed level moves one step toward the request.
void apply_speed_step(Player& p);

}  // namespace rq
