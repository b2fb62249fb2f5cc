#pragma once
// The keyboard, polled on every timer tick, and the volume it steps.

namespace rq {

class Player;

// Timer tick step (every 30 ms): held and touched keys become transport
// requests, volume steps and full-screen commands. Returns key_flags.
int poll_keyboard(Player& p);

// One step down (direction < 0) or up, taken from the left channel and set
// on both; the face's volume knob follows.
void step_volume(Player& p, int direction);

}  // namespace rq
