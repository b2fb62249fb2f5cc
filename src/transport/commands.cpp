#include "transport/commands.h"

#include <algorithm>
#include <string>

#include "core/player.h"
#include "media/device_ops.h"
#include "media/open_entry.h"
#include "video/layout.h"

namespace rq {

namespace {

bool playing(const DeviceState& d) {
    return d.stopped == 0 && d.paused == 0;
}

// The playlist entry at a shuffle position; a position the order does not
// hold (the list changed since it was drawn) names itself.
int shuffled_entry(const PlaylistState& pl, int position) {
    if (position >= 0 && position < static_cast<int>(pl.shuffle_order.size()))
        return pl.shuffle_order[static_cast<size_t>(position)];
    return position;
}

// Codes 10 and 11: one windowed size smaller or larger, the picture paused
// while the windows move.
void change_video_size(Player& p, int step) {
    TransportState& t = p.transport;
    int& mode = p.settings.video_size_mode;
    mode = std::clamp(mode + step, -1, 6);
    t.pending_command = Command::None;
    p.send("pause movie");
    layout(p);
    t.button_timers[step < 0 ? button::kSmaller : button::kLarger] = 0;
    if (playing(p.device))
        p.send("play movie");
    else
        p.send("seek movie to " + std::to_string(p.device.position));
}

// Code 66: the position reached the length; the next entry follows once
// the device says it has stopped. A device with no file open cannot answer,
// and that counts as stopped too, so a file that never opened is passed.
void check_end_of_file(Player& p) {
    char mode[8] = {};
    const int rc = p.env.mci.send("status movie mode", mode, sizeof mode);
    if (rc != 0 || std::string(mode) == "stopped") p.transport.pending_command = Command::Next;
}

void done(Player& p) {
    p.transport.pending_command = Command::None;
}

void open_entry(Player& p) {
    open_current_entry(p);
    done(p);
}

void play(Player& p) {
    p.device.speed_index = 0;
    p.send("play movie");
    p.device.paused = 0;
    done(p);
}

void pause(Player& p) {
    p.device.speed_index = 0;
    p.send("pause movie");
    p.device.paused = 1;
    done(p);
}

void stop(Player& p) {
    stop_playback(p);
    done(p);
}

void fast_reverse(Player& p) {
    p.device.speed_index = -2;
    done(p);
}

void fast_forward(Player& p) {
    p.device.speed_index = 2;
    done(p);
}

void normal_speed(Player& p) {
    p.device.speed_index = 0;
    if (playing(p.device)) {
        p.transport.key_lock_ticks = 2;
        p.send("play movie");
    }
    done(p);
}

void smaller_picture(Player& p) {
    change_video_size(p, -1);
}

void larger_picture(Player& p) {
    change_video_size(p, +1);
}

// What each command does on the pass that finds it. The release commands
// are not here: they wait for the left button to come up.
struct CommandHandler {
    Command code;
    void (*run)(Player&);
};
constexpr CommandHandler kHandlers[] = {
    {Command::Open, open_entry},
    {Command::Play, play},
    {Command::Pause, pause},
    {Command::Stop, stop},
    {Command::Previous, previous_entry},
    {Command::Next, next_entry},
    {Command::FastReverse, fast_reverse},
    {Command::FastForward, fast_forward},
    {Command::NormalSpeed, normal_speed},
    {Command::SmallerPicture, smaller_picture},
    {Command::LargerPicture, larger_picture},
    {Command::EndOfFile, check_end_of_file},
};

}  // namespace

void command_pass(Player& p) {
    const TransportState& t = p.transport;
    Command code = t.pending_command;
    if (p.tick.fullscreen && code == Command::None) {
        if (t.direct_jump_key == 12) code = Command::Previous;
        if (t.direct_jump_key == 13) code = Command::Next;
    }
    for (const CommandHandler& h : kHandlers)
        if (h.code == code) return h.run(p);
}

void previous_entry(Player& p) {
    TransportState& t = p.transport;
    PlaylistState& pl = p.playlist;
    DeviceState& d = p.device;
    const int count = pl.entry_count;
    if (p.stores.path_list.empty() || count <= 0) {
        stop_playback(p);
    } else {
        if (t.back_restart_ticks <= 2 && t.keypad_number == 0) {
            d.position = 0;
            p.send("seek movie to 0");
            if (!d.paused) p.send("play movie");
        } else {
            int& cursor = p.settings.shuffle ? pl.shuffle_position : pl.current_entry;
            const bool typed = t.keypad_number_ticks > 1;
            if (!typed)
                cursor -= 1;
            else if (t.direct_jump_key == 12)
                cursor = t.keypad_number - 1;
            else
                cursor -= t.keypad_number;
            if (cursor < 0) cursor = typed ? 0 : count - 1;
            cursor = std::min(cursor, count - 1);
            if (p.settings.shuffle) pl.current_entry = shuffled_entry(pl, pl.shuffle_position);
            if (d.stopped == 0)
                open_current_entry(p);
            else
                t.selection_pending = 1;
        }
        t.back_restart_ticks = 30;
        t.keypad_number_ticks = 0;
        t.track_display_ticks = 50;
        t.track_display_number = pl.current_entry + 1;
    }
    t.direct_jump_key = 0;
    t.pending_command = Command::None;
    t.keypad_number_ticks = 0;
}

void next_entry(Player& p) {
    TransportState& t = p.transport;
    PlaylistState& pl = p.playlist;
    const int count = pl.entry_count;
    if (p.stores.path_list.empty() || count <= 0) {
        stop_playback(p);
        t.keypad_number_ticks = 0;
    } else {
        int& cursor = p.settings.shuffle ? pl.shuffle_position : pl.current_entry;
        const bool typed = t.keypad_number_ticks > 1;
        if (!typed)
            cursor += 1;
        else if (t.direct_jump_key == 13)
            cursor = t.keypad_number - 1;
        else
            cursor += t.keypad_number;
        cursor = std::max(cursor, 0);
        bool open = true;
        if (cursor >= count) {
            cursor = typed ? count - 1 : 0;
            if (p.settings.repeat == 0) {
                stop_playback(p);
                open = false;
            }
        }
        if (p.settings.shuffle) pl.current_entry = shuffled_entry(pl, pl.shuffle_position);
        if (open) {
            if (p.device.stopped == 0)
                open_current_entry(p);
            else
                t.selection_pending = 1;
        }
        t.keypad_number_ticks = 0;
        t.track_display_ticks = 50;
        t.track_display_number = pl.current_entry + 1;
    }
    t.direct_jump_key = 0;
    t.pending_command = Command::None;
}

void apply_stop_request(Player& p) {
    if (p.transport.stop_request != 1) return;
    stop_playback(p);
    p.transport.stop_request = 0;
}

}  // namespace rq
