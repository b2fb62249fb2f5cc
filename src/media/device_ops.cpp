#include "media/device_ops.h"

#include <algorithm>
#include <climits>
#include <string>

#include "core/player.h"
#include "media/open_entry.h"

namespace rq {

namespace {

// The seek shared by the table steps and the offsets: switch the unit,
// move from the position just read, restore the user's unit.
template <typename Move>
int relative_seek(Player& p, int want_milliseconds, Move move) {
    DeviceState& d = p.device;
    set_time_format(p, want_milliseconds);
    d.position = query_position(p);
    long long target = move(static_cast<long long>(d.position));
    target = std::clamp<long long>(target, 0, INT_MAX);
    p.send("seek movie to " + std::to_string(target));
    d.prefer_milliseconds = set_time_format(p, d.prefer_milliseconds);
    d.position = query_position(p);
    return d.position;
}

}  // namespace

StepUnit step_unit_for_mode(int wheel_mode) {
    return wheel_mode == 0 ? StepUnit::Second : wheel_mode == 1 ? StepUnit::Tick : StepUnit::Single;
}

int query_position(Player& p) {
    return p.query_number("status movie position");
}

void stop_playback(Player& p) {
    p.transport.ab_state = AbState::Off;
    p.transport.ab_point_a = {};
    p.send("close movie");
    p.device.stopped = 1;
    p.device.paused = 0;
    p.input.seek_knob = 0;
    p.transport.keypad_number = 0;
    p.transport.keypad_number_ticks = 0;
    p.marks.index_count_before = 0;
    p.transport.track_display_ticks = 0;
    p.transport.track_display_number = 0;
    p.env.screen_saver.release();
}

void play_pause_toggle(Player& p) {
    DeviceState& d = p.device;
    d.paused = !d.paused;
    // Toggling during search or slow motion always resumes normal play, and
    // a closed device has nothing to pause: toggling then opens and plays.
    if (d.speed_index != 0 || d.stopped == 1) {
        d.paused = 0;
        d.speed_index = 0;
    }
    if (!d.paused) {
        if (d.stopped == 1) {
            d.position = 0;
            // Nothing opened (an empty list, a file the device refused):
            // the player stays stopped rather than believe a file plays.
            if (open_current_entry(p) != OpenResult::Opened) {
                d.stopped = 1;
                d.paused = 0;
                return;
            }
            d.stopped = 0;
        } else {
            p.send("play movie");
        }
        // Starts a file that was opened in full screen, where opening does not play.
        p.send("play movie");
        d.paused = 0;
    } else {
        p.send("pause movie");
        d.position = query_position(p);
    }
}

int set_time_format(Player& p, int want_milliseconds) {
    std::string unit = p.query("status movie time format");
    if (want_milliseconds == 0 && unit == "milliseconds")
        p.send("set movie time format frames");
    else if (want_milliseconds != 0 && unit == "frames")
        p.send("set movie time format milliseconds");
    return want_milliseconds;
}

int seek_step(Player& p, SeekKind kind, StepUnit unit) {
    const long long m = unit == StepUnit::Second ? 1000 : unit == StepUnit::Tick ? 30 : 1;
    const int level = std::clamp(p.device.speed_index, -9, 9);
    return relative_seek(p, kind == SeekKind::Timed ? 1 : 0, [&](long long pos) {
        if (level > 0) {
            const int i = std::min(kind == SeekKind::Timed ? level + 1 : level, 9);
            return pos + m * speed_table[static_cast<size_t>(i)];
        }
        return pos - m * speed_table[static_cast<size_t>(-level)];
    });
}

int seek_by(Player& p, int offset_ms) {
    return relative_seek(p, 1, [&](long long pos) { return pos + offset_ms; });
}

}  // namespace rq
