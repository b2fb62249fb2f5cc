#pragma once
// A-B repeat and the screen saver hold of full screen.

namespace rq {

class Player;

// Once per main tick while `ab_state` is not Off, with the position just
// polled (in the user's unit): sets A or B, or loops back to A + 1 when the
// position is at or past B or at or before A.
void ab_repeat_step(Player& p, int position);

// Once per full-screen main tick with the setting on: holds the screen
// saver off on every (limit + 1)-th call.
void keep_awake_step(Player& p, int limit);

}  // namespace rq
