#pragma once
// The keyboard, polled on every timer tick, and the volume it steps.

namespace rq {

class Player;

// Timer tick step (every 30 ms): held and touched keys become transport
// requests, volume steps and full-screen commands. Returns key_flags.
int poll_keyboard(Player& p);

}  // namespace rq
