#pragma once
// The small device operations built on the command channel.

#include <string>

namespace rq {

class PlayerWindow;

// Closes the device and clears what belongs to an open file.
void stop_playback(PlayerWindow& pw);
// Pauses, resumes, or opens and starts the current entry when stopped.
void play_pause_toggle(PlayerWindow& pw);
// Switches the device to `want_milliseconds` (0 frames, else milliseconds)
// when it reports the other unit; returns `want_milliseconds` unchanged.
int set_time_format(PlayerWindow& pw, int want_milliseconds);
// A relative seek: kind 1 timed steps in milliseconds, kind 0 in frames,
// any other kind adds `unit` itself. Returns the new position in the
// user's unit.
int seek_step(PlayerWindow& pw, int kind, int unit);

// The number a query answers (0 when it fails).
int query_number(PlayerWindow& pw, const std::string& command);
// Reads "status movie position".
int query_position(PlayerWindow& pw);

}  // namespace rq
