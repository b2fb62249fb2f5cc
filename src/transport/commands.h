#pragma once
// The transport commands of `pending_command` and the moves through the
// playlist they end in.

namespace rq {

class Player;

// Runs `pending_command` once (a main tick's command pass). In full screen
// a right click on back or next (direct_jump_key 12 or 13) runs too.
void command_pass(Player& p);

// Back: restarts the file, or within 27 main ticks of the last back moves
// to the previous entry (by the typed number, if one counts).
void previous_entry(Player& p);
// Next: the following entry, wrapping with repeat on and stopping at the
// end with repeat off (by the typed number, if one counts).
void next_entry(Player& p);

// Face pass step: `stop_request` closes the device after the command pass.
void apply_stop_request(Player& p);

}  // namespace rq
