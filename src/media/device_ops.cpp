#include "media/device_ops.h"

#include <algorithm>
#include <climits>
#include <string>

#include "app/player_window.h"
#include "media/open_entry.h"

namespace rq {

int query_number(PlayerWindow& pw, const std::string& command) {
    return parse_int(pw.query(command));
}

int query_position(PlayerWindow& pw) {
    return query_number(pw, "status movie position");
}

void stop_playback(PlayerWindow& pw) {
    pw.transport.ab_state = 0;
    pw.transport.ab_point_a = {};
    pw.send("close movie");
    pw.device.stopped = 1;
    pw.device.paused = 0;
    pw.input.seek_knob = 0;
    pw.transport.keypad_number = 0;
    pw.transport.keypad_number_ticks = 0;
    pw.marks.index_count_before = 0;
    pw.transport.track_display_ticks = 0;
    pw.transport.track_display_number = 0;
}

void play_pause_toggle(PlayerWindow& pw) {
    DeviceState& d = pw.device;
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
            open_current_entry(pw);
            d.stopped = 0;
        } else {
            pw.send("play movie");
        }
        // Starts a file that was opened in full screen, where opening does not play.
        pw.send("play movie");
        d.paused = 0;
    } else {
        pw.send("pause movie");
        d.position = query_position(pw);
    }
}

int set_time_format(PlayerWindow& pw, int want_milliseconds) {
    std::string unit = pw.query("status movie time format");
    if (want_milliseconds == 0 && unit == "milliseconds")
        pw.send("set movie time format frames");
    else if (want_milliseconds != 0 && unit == "frames")
        pw.send("set movie time format milliseconds");
    return want_milliseconds;
}

int seek_step(PlayerWindow& pw, int kind, int unit) {
    DeviceState& d = pw.device;
    set_time_format(pw, kind >= 1 ? 1 : 0);
    const long m = unit == 0 ? 1000 : unit == 1 ? 30 : 1;
    d.position = query_position(pw);
    const int level = std::clamp(d.speed_index, -9, 9);
    long pos = d.position;
    if (kind == 1 || kind == 0) {
        if (level > 0)
            pos += m * speed_table[static_cast<size_t>(std::min(kind == 1 ? level + 1 : level, 9))];
        else
            pos -= m * speed_table[static_cast<size_t>(-level)];
    } else {
        pos += unit;
    }
    if (pos <= 0) pos = 0;
    pw.send("seek movie to " + std::to_string(std::clamp<long>(pos, 0, INT_MAX)));
    d.prefer_milliseconds = set_time_format(pw, d.prefer_milliseconds);
    d.position = query_position(pw);
    return d.position;
}

}  // namespace rq
