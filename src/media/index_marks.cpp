#include "media/index_marks.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "core/player.h"
#include "media/device_ops.h"
#include "platform/mci_channel.h"

namespace rq {

namespace {

int mark_time(const Player& p, int row) {
    return parse_int(p.stores.index_marks.text(row));
}

int mark_count(const Player& p) {
    return p.stores.index_marks.count();
}

// Milliseconds a frame lasts; 1 for a file without frames.
double frame_ms(const DeviceState& d) {
    if (d.length_frames <= 0 || d.length_frames == d.length_ms) return 1;
    return static_cast<double>(d.length_ms) / d.length_frames;
}

// The position in milliseconds, whatever unit the user prefers; the cursor
// becomes the number of marks below it. Returns the position.
int count_marks(Player& p) {
    DeviceState& d = p.device;
    set_time_format(p, 1);
    int position = query_position(p);
    d.prefer_milliseconds = set_time_format(p, d.prefer_milliseconds);
    // The device answers the start of the frame it shows: one unit past a
    // mark at a frame's start reads as the mark itself, which would never
    // count as passed. While the picture still holds that target, take it.
    const int target = p.marks.mark_target_ms;
    if (target > position && target - position < frame_ms(d)) position = target;
    const int n = mark_count(p);
    int k = 0;
    while (k < n && mark_time(p, k) < position)
        ++k;
    p.marks.index_count_before = k;
    return position;
}

// Seeks one unit past mark `index_count_before` - 1 (the start of the file
// for 0), so that counting there takes the mark as passed.
void go_to_mark(Player& p) {
    const DeviceState& d = p.device;
    const int k = p.marks.index_count_before;
    double target = k >= 1 ? std::max(mark_time(p, k - 1), 0) : 0;
    if (d.prefer_milliseconds == 0 && d.length_frames != d.length_ms) {
        const double ms_per_frame = static_cast<double>(d.length_ms) / d.length_frames;
        // A file without a sensible frame rate has nowhere else to go.
        target = std::isfinite(ms_per_frame) && ms_per_frame > 0
                     ? std::trunc(std::min(target / ms_per_frame, double(INT_MAX - 1)))
                     : 0;
    }
    p.marks.mark_target_ms = k >= 1 ? std::clamp(mark_time(p, k - 1), 0, INT_MAX - 1) + 1 : 1;
    p.send("pause movie");
    p.send("seek movie to " + std::to_string(static_cast<long long>(target) + 1));
    if (d.paused == 0 && d.speed_index == 0) p.send("play movie");
    p.transport.keypad_number_ticks = 0;
}

void neighbours(Player& p) {
    IndexMarkState& m = p.marks;
    const int n = mark_count(p);
    m.index_count_before = std::clamp(m.index_count_before, 0, n);
    const int k = m.index_count_before;
    if (n == 0) {
        m.previous_mark_time = 0;
        m.next_mark_time = p.device.length_ms + 1;
    } else if (k < n) {
        m.previous_mark_time = k > 0 ? mark_time(p, k - 1) : 0;
        m.next_mark_time = mark_time(p, k);
    } else {
        m.previous_mark_time = mark_time(p, n - 1);
        m.next_mark_time = p.device.length_ms + 1;
    }
}

void add_mark(Player& p) {
    if (p.device.stopped != 0) return;
    const int position = count_marks(p);
    int& k = p.marks.index_count_before;
    p.stores.index_marks.insert_at(k, std::to_string(position));
    p.stores.index_texts.insert_at(k, "");
    k = std::min(k + 1, mark_count(p));
    p.marks.index_changed = 1;
}

void delete_mark(Player& p) {
    if (p.device.stopped != 0) return;
    int& k = p.marks.index_count_before;
    if (k >= 1) {
        p.stores.index_marks.delete_at(k - 1);
        p.stores.index_texts.delete_at(k - 1);
    }
    k = std::min(k, mark_count(p));
    p.marks.index_changed = 1;
}

// The cursor after a keypad NEXT or BACK: to the typed mark with the right
// button, by the typed number with the left, else one mark on. Kept within
// the marks, so a number past the last mark means the last mark.
int keypad_target(const Player& p, int direction) {
    const TransportState& t = p.transport;
    const int k = p.marks.index_count_before;
    const bool typed = t.keypad_number_ticks > 1;
    int target;
    if (typed && p.input.keypad_press == 3)
        target = t.keypad_number;
    else if (typed)
        target = k + direction * t.keypad_number;
    else if (direction > 0 || t.index_back_ticks >= 21)
        target = k + direction;
    else
        target = k;  // a first BACK goes to the start of the current section
    return std::clamp(target, 0, mark_count(p));
}

}  // namespace

void index_mark_step(Player& p, MarkOp op) {
    int& k = p.marks.index_count_before;
    switch (op) {
        case MarkOp::Locate:
            count_marks(p);
            break;
        case MarkOp::Add:
            add_mark(p);
            break;
        case MarkOp::Delete:
            delete_mark(p);
            break;
        case MarkOp::NextBy:
            k = keypad_target(p, +1);
            go_to_mark(p);
            break;
        case MarkOp::PreviousBy:
            k = keypad_target(p, -1);
            go_to_mark(p);
            break;
        case MarkOp::Neighbours:
            neighbours(p);
            break;
        case MarkOp::Next:
            k = std::min(k + 1, mark_count(p));
            go_to_mark(p);
            break;
        case MarkOp::Previous:
            k = std::max(k - 1, 0);
            go_to_mark(p);
            break;
    }
}

}  // namespace rq
