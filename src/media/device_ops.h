#pragma once
// The small device operations built on the command channel.

#include <string>

namespace rq {

class Player;

// What one relative seek moves by.
enum class SeekKind {
    Frames = 0,  // speed_table steps of the frame unit
    Timed = 1,   // speed_table steps in milliseconds, forward one level faster
};

// The size of one speed_table unit; the number is the wheel mode that
// selects it (0 MODE1, 1 MODE2).
enum class StepUnit {
    Second = 0,  // 1000 of the time unit
    Tick = 1,    // 30
    Single = 2,  // 1: a single frame
};

// The wheel mode of the settings as a step unit.
StepUnit step_unit_for_mode(int wheel_mode);

// Closes the device and clears what belongs to an open file.
void stop_playback(Player& p);
// Pauses, resumes, or opens and starts the current entry when stopped.
void play_pause_toggle(Player& p);
// Switches the device to `want_milliseconds` (0 frames, else milliseconds)
// when it reports the other unit; returns `want_milliseconds` unchanged.
int set_time_format(Player& p, int want_milliseconds);
// A relative seek by the speed level, in milliseconds or frames; never
// below 0. Returns the new position in the user's unit.
int seek_step(Player& p, SeekKind kind, StepUnit unit);
// A relative seek by `offset_ms` milliseconds; never below 0. Returns the
// new position in the user's unit.
int seek_by(Player& p, int offset_ms);

// Reads "status movie position".
int query_position(Player& p);

}  // namespace rq
