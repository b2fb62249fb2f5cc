#include "transport/speed.h"

#include <algorithm>

#include "core/player.h"
#include "media/device_ops.h"

namespace rq {

namespace {

int sign_step(int speed_index) {
    return speed_index >= 0 ? 1 : -1;
}

bool search_button_running(const TransportState& t) {
    return t.button_timers[button::kSearchBack] > 0 || t.button_timers[button::kSearchForward] > 0;
}

// The table entry of a face search: the button, paused or playing, the
// direction.
int search_table_step(const Player& p, bool paused) {
    const int i =
        4 * p.transport.right_search + (paused ? 2 : 0) + (p.device.speed_index > 0 ? 0 : 1);
    return p.settings.search_step_table[static_cast<size_t>(std::clamp(i, 0, 7))];
}

}  // namespace

void prepare_speed(Player& p) {
    DeviceState& d = p.device;
    TransportState& t = p.transport;
    if (d.speed_index == 0) return;
    const bool windowed = p.tick.fullscreen == 0;
    if (d.stopped == 1) {
        // Stopped, a wheel turn walks the playlist, paced to 150 ms.
        if (windowed && p.face.pace_count >= 5 && !p.stores.path_list.empty()) {
            if (t.selection_pending == 0)
                t.selection_pending = 1;
            else
                t.pending_command = d.speed_index > 0 ? Command::Next : Command::Previous;
        }
        d.speed_index = 0;
        return;
    }
    if (d.paused == 0) {
        t.search_rate = p.settings.wheel_mode_playing;
        if (t.dial_mode == 2 || (windowed && search_button_running(t))) t.search_rate = 0;
        if (windowed && t.right_search == 1) {
            t.search_rate = 1;
            d.speed_index = sign_step(d.speed_index);
        }
    } else {
        t.search_rate = p.settings.wheel_mode_paused;
        t.slow_step = p.settings.wheel_mode_paused == 0 ? 1 : 0;
        if (windowed && t.dial_mode == 1) {
            t.slow_step = 1;
        } else if (windowed && t.dial_mode == 2) {
            t.slow_step = 0;
            t.search_rate = 1;
        } else if (t.key_flags != 0) {
            t.slow_step = 0;
            t.search_rate = 0;
        } else if (windowed && search_button_running(t)) {
            t.search_rate = 0;
            t.slow_step = 0;
        }
        if (t.slow_step == 1) d.speed_index = sign_step(d.speed_index);
    }
    if (windowed && t.right_search == 1) t.slow_step = 1;
}

void apply_speed(Player& p) {
    DeviceState& d = p.device;
    TransportState& t = p.transport;
    if (d.speed_index != 0 && d.stopped == 0) {
        const bool released = t.key_flags == 0 && t.previous_key_flags != 0;
        if (d.paused == 0) {
            if (t.button_search)
                seek_by(p, search_table_step(p, false));
            else
                seek_step(p, SeekKind::Timed, step_unit_for_mode(t.search_rate));
            if (released) {
                d.speed_index = 0;
                p.send("play movie");
            }
            t.previous_key_flags = t.key_flags;
        } else {
            if (t.button_search)
                seek_by(p, search_table_step(p, true));
            else if (t.slow_step == 0)
                seek_step(p, SeekKind::Timed, step_unit_for_mode(t.search_rate));
            else
                seek_step(p, SeekKind::Frames, StepUnit::Single);
            if (released) d.speed_index = 0;
            t.previous_key_flags = t.key_flags;
            if (t.slow_step == 1) {
                d.speed_index = 0;
                t.slow_step = 0;
            }
        }
    }
    // Cleared even when no step ran, so a search button's last lit pass
    // cannot make a later wheel or key step a button step.
    t.button_search = 0;
    t.slow_step = 0;
}

void take_wheel_step(Player& p) {
    TransportState& t = p.transport;
    if (t.wheel_step != 0) {
        t.speed_step_request = t.wheel_step;
        t.wheel_step = 0;
    }
    if (t.key_lock_ticks != 0) t.speed_step_request = 0;
    t.key_lock_ticks = std::max(t.key_lock_ticks - 1, 0);
}

void apply_speed_step(Player& p) {
    TransportState& t = p.transport;
    DeviceState& d = p.device;
    if (t.speed_step_request == 0) return;
    d.speed_index = std::clamp(d.speed_index + (t.speed_step_request == 1 ? 1 : -1), -9, 9);
    if (d.stopped == 0 && d.paused == 0 && d.speed_index == 0) {
        t.key_lock_ticks = 2;
        p.send("play movie");
    }
    t.speed_step_request = 0;
}

}  // namespace rq
