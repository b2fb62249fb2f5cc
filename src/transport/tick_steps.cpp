#include "transport/tick_steps.h"

#include <algorithm>
#include <cmath>

#include "core/player.h"
#include "media/device_ops.h"
#include "media/index_marks.h"
#include "transport/ab_repeat.h"
#include "video/full_screen.h"

namespace rq {

namespace {

// The knob's pixel on the seek track for a position.
int knob_for(int position, int length) {
    if (length <= 0) return 0;
    const double knob = position / (static_cast<double>(length) / seek_bar_length);
    if (!(knob > 0)) return 0;
    return static_cast<int>(std::min(knob, static_cast<double>(seek_bar_length)));
}

// Moves index_segment one segment at a time until its span holds `ms`.
void follow_timed_text(TimedTextState& ix, int ms) {
    const int last = std::min(ix.index_time_count, kIndexTimesSize - 2);
    int k = std::clamp(ix.index_segment, 0, std::max(last, 0));
    const int start = k;
    while (k < last && ms > ix.index_times[static_cast<size_t>(k) + 1])
        ++k;
    while (k > 0 && ms < ix.index_times[static_cast<size_t>(k)])
        --k;
    if (k != start || k != ix.index_segment) {
        ix.index_segment = k;
        ix.title_redraw = 1;
    }
}

}  // namespace

void apply_toggle_request(Player& p) {
    TransportState& t = p.transport;
    DeviceState& d = p.device;
    if (t.toggle_request != 1) return;
    if (d.stopped == 0 && d.paused == 0 && d.speed_index != 0)
        p.send("play movie");
    else if (d.stopped == 0 && d.paused == 1 && d.speed_index != 0)
        p.send("pause movie");
    else
        play_pause_toggle(p);
    d.speed_index = 0;
    t.toggle_request = 0;
    if (p.tick.fullscreen) place_full_screen_popups(p);
    p.timed_text.title_redraw = 2;
}

void poll_position(Player& p) {
    DeviceState& d = p.device;
    TransportState& t = p.transport;
    if (p.input.seek_drag != 0 || d.stopped == 1) return;
    char reply[255] = {};
    p.env.mci.send("status movie position", reply, sizeof reply);
    const int pos = parse_int(reply);
    int ms = pos;
    int knob = 0;
    if (d.prefer_milliseconds == 1) {
        if (pos >= d.length_ms && t.pending_command != Command::Next)
            t.pending_command = Command::EndOfFile;
        knob = knob_for(pos, d.length_ms);
    } else {
        if (pos >= d.length_frames && t.pending_command != Command::Next)
            t.pending_command = Command::EndOfFile;
        knob = knob_for(pos, d.length_frames);
        if (d.length_frames != d.length_ms && d.length_frames != 0) {
            const double ms_value =
                pos * (static_cast<double>(d.length_ms) / static_cast<double>(d.length_frames));
            ms = static_cast<int>(std::clamp(ms_value, -2147483648.0, 2147483647.0));
        }
    }
    IndexMarkState& marks = p.marks;
    marks.position_ms = ms;
    if (ms > marks.next_mark_time) {
        marks.index_count_before += 1;
        index_mark_step(p, MarkOp::Neighbours);
    } else if (ms < marks.previous_mark_time) {
        marks.index_count_before -= 1;
        index_mark_step(p, MarkOp::Neighbours);
    }
    follow_timed_text(p.timed_text, ms);
    p.input.seek_knob = knob;
    if (t.ab_state != AbState::Off) ab_repeat_step(p, pos);
}

void count_down(Player& p) {
    TransportState& t = p.transport;
    if (t.back_restart_ticks > 0) t.back_restart_ticks -= 1;
    if (t.index_back_ticks >= 0) t.index_back_ticks -= 1;
}

}  // namespace rq
