#pragma once
// Steps of the timer tick that read the device and the requests.

namespace rq {

class Player;

// A toggle request from full screen: ends a search or slow motion, or
// toggles play and pause; then the full-screen popups are placed again.
void apply_toggle_request(Player& p);

// Reads the position: detects the end of the file, follows the index marks
// and the timed-text segments, moves the seek knob and runs A-B repeat.
void poll_position(Player& p);

// The countdowns of every main tick.
void count_down(Player& p);

}  // namespace rq
