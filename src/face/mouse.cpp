#include "face/mouse.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/player.h"
#include "media/device_ops.h"
#include "media/drops.h"
#include "media/index_files.h"
#include "panels/settings_dialog.h"
#include "playlist/playlist_model.h"
#include "skin/face_layout.h"
#include "video/full_screen.h"
#include "video/geometry.h"

namespace rq {

namespace {

// A drag that leaves its track past these columns ends there.
constexpr int kTrackLeftEnd = 57;
constexpr int kSeekTrackRightEnd = 312;
constexpr int kVolumeTrackRightEnd = 134;
constexpr int kSearchButtonTicks = 30;
constexpr int kIndexBackStep = 20;
constexpr int kIndexBackMax = 50;
constexpr int kKeypadNumberTicks = 70;
constexpr int kTrackDisplayTicks = 50;
constexpr int kKeypadNumberMax = 999;

bool on(Hit id, Point pt) {
    return hit(hit_rect(id), pt);
}

SpriteRect shifted(SpriteRect r, int dx, int dy) {
    return {r.x + dx, r.y + dy, r.w, r.h};
}

bool on_seek_knob(const Player& p, Point pt) {
    return hit(shifted(hit_rect(Hit::SeekKnob), p.input.seek_knob, 0), pt);
}

bool on_volume_knob(const Player& p, Point pt) {
    return hit(shifted(hit_rect(Hit::VolumeKnob), p.input.volume_knob, 0), pt);
}

bool on_badge(const Player& p, Point pt) {
    if (p.settings.badge_gone != 0) return false;
    const Point off = p.face.badge_offset;
    return hit(shifted(hit_rect(Hit::Badge), off.x, off.y), pt);
}

void light(Player& p, int button_index) {
    p.transport.button_timers[static_cast<size_t>(button_index)] = 1;
}

void request(Player& p, Command code) {
    p.transport.pending_command = code;
}

// The time readout's three modes: the raw position in the user's unit, or
// elapsed and remaining time, which need milliseconds.
void set_time_display_mode(Player& p, int mode) {
    p.settings.time_display_mode = mode;
    p.device.prefer_milliseconds = set_time_format(p, mode == 0 ? 0 : 1);
}

// REW or FF pressed with either button: lit and searching while held.
void press_search(Player& p, bool forward) {
    TransportState& t = p.transport;
    t.button_timers[forward ? button::kSearchForward : button::kSearchBack] = kSearchButtonTicks;
    if (p.device.stopped) return;
    request(p, forward ? Command::FastForward : Command::FastReverse);
    p.input.search_held = 1;
}

// BACK or NEXT pressed with either button; paused, it steps one unit at
// once as well.
void press_back_or_next(Player& p, bool next) {
    light(p, next ? button::kNext : button::kBack);
    request(p, next ? Command::Next : Command::Previous);
    DeviceState& d = p.device;
    if (d.paused) {
        d.position = std::max(d.position + (next ? 1 : -1), 0);
        p.send("seek movie to " + std::to_string(d.position));
    }
}

void minimise(Player& p, int by) {
    p.geometry.minimised_by = by;
    p.tick.window_active = 0;
    p.host().minimize();
    layout(p);
}

void press_play(Player& p) {
    DeviceState& d = p.device;
    light(p, button::kPlay);
    if (d.speed_index != 0) {
        request(p, Command::Play);
    } else if (d.stopped) {
        request(p, Command::Open);
        p.transport.selection_pending = 0;
    } else if (d.paused) {
        request(p, Command::Play);
    }
}

void press_still(Player& p) {
    const DeviceState& d = p.device;
    if (d.stopped) {
        light(p, button::kStill);
    } else if (d.paused) {
        light(p, button::kStill);
        request(p, Command::Play);
    } else {
        light(p, button::kStillToPause);
        request(p, Command::Pause);
    }
}

void press_dial(Player& p, Point pt) {
    TransportState& t = p.transport;
    const double dx = pt.x - kDialCentre.x, dy = pt.y - kDialCentre.y;
    if (std::sqrt(dx * dx + dy * dy) > kDialInnerRadius) {
        t.dial_mode = 2;
        t.button_timers[button::kShuttle] = 1;
        t.shuttle_alpha = -100;
        t.shuttle_speed = 0;
        t.shuttle_start_sector = t.shuttle_sector = dial_sector(pt, 32);
    } else {
        t.dial_mode = 1;
        t.button_timers[button::kJog] = 1;
        t.jog_start_sector = t.jog_sector = dial_sector(pt, 12);
    }
}

// A typed digit, 0, +10 or CL: the number the next back or next steps by.
void type_on_keypad(Player& p, int code) {
    TransportState& t = p.transport;
    int& n = t.keypad_number;
    if (code >= 1 && code <= 9)
        n = n % 100 * 10 + code;
    else if (code == keypad::kZero)
        n = n % 100 * 10;
    else if (code == keypad::kPlusTen)
        n += 10;
    else
        n = 0;
    n = std::clamp(n, 0, kKeypadNumberMax);
    t.keypad_number_ticks = kKeypadNumberTicks;
    t.track_display_ticks = 0;
}

void press_keypad(Player& p, Point pt) {
    InputState& in = p.input;
    TransportState& t = p.transport;
    if (hit(kKeypadNumberWindow, pt)) {
        t.track_display_ticks = kTrackDisplayTicks;
        t.track_display_number = p.stores.index_marks.count();
        return;
    }
    for (const KeypadKey& key : kKeypadKeys) {
        if (!hit(key.rect, pt)) continue;
        in.keypad_key = key.code;
        if (key.code == keypad::kBack)
            t.index_back_ticks = std::min(t.index_back_ticks + kIndexBackStep, kIndexBackMax);
        else if (key.code <= keypad::kClear)
            type_on_keypad(p, key.code);
        in.keypad_press = 1;
        return;
    }
}

// Lit, with a request for the tick (or, for FILE, CONFIG and FULL, for the
// release).
void light_and_request(Player& p, int button_index, Command code) {
    light(p, button_index);
    request(p, code);
}

void cycle_display_field(Player& p) {
    int& mode = p.index.display_field_mode;
    if (mode == 0)
        mode = 1;
    else if (mode == 1 && p.index.index_time_count >= 1)
        mode = 2;
    else
        mode = 0;
    p.media.title_scroll = -144;
}

// The press's own target on the face, first match wins; false when the
// point is on none, and the face then moves the window.
bool press_face_element(Player& p, Point pt) {
    const DeviceState& d = p.device;
    InputState& in = p.input;
    if (on(Hit::Minimise, pt)) {
        minimise(p, 1);
    } else if (on_seek_knob(p, pt) && !d.stopped) {
        in.seek_drag = 1;
    } else if (on_volume_knob(p, pt) && p.transport.key_lock_ticks == 0) {
        in.volume_drag = 1;
    } else if (on(Hit::Rew, pt) || on(Hit::Ff, pt)) {
        press_search(p, on(Hit::Ff, pt));
    } else if (on(Hit::Play, pt)) {
        press_play(p);
    } else if (on(Hit::Still, pt)) {
        press_still(p);
    } else if (on(Hit::Stop, pt)) {
        save_index(p);
        light(p, button::kStop);
        request(p, Command::Stop);
    } else if (on(Hit::Back, pt) || on(Hit::Next, pt)) {
        press_back_or_next(p, on(Hit::Next, pt));
    } else if (on(Hit::ZoomMinus, pt)) {
        light_and_request(p, button::kSmaller, Command::SmallerPicture);
    } else if (on(Hit::ZoomPlus, pt)) {
        light_and_request(p, button::kLarger, Command::LargerPicture);
    } else if (on(Hit::Dial, pt)) {
        if (p.settings.keypad_mode == 0)
            press_dial(p, pt);
        else
            press_keypad(p, pt);
    } else if (on(Hit::File, pt)) {
        light_and_request(p, button::kFile, Command::FileRelease);
    } else if (on(Hit::Config, pt)) {
        light_and_request(p, button::kConfig, Command::ConfigRelease);
    } else if (on(Hit::Full, pt)) {
        light_and_request(p, button::kFull, Command::FullRelease);
    } else if (on(Hit::DisplayLine, pt)) {
        cycle_display_field(p);
    } else if (on(Hit::Power, pt)) {
        light(p, button::kPower);
        in.quit_armed = 1;
    } else if (on(Hit::Shuffle, pt)) {
        p.settings.shuffle = p.settings.shuffle ? 0 : 1;
        if (p.settings.shuffle) build_shuffle_order(p);
    } else if (on(Hit::Repeat, pt)) {
        p.settings.repeat = p.settings.repeat ? 0 : 1;
    } else {
        return false;
    }
    return true;
}

// Readouts that change with a click and still let the window move.
void press_readout(Player& p, Point pt) {
    if (on(Hit::TimeReadout, pt)) {
        set_time_display_mode(p, (p.settings.time_display_mode + 1) % 3);
    } else if (on(Hit::AbLabel, pt)) {
        p.transport.ab_state = (p.transport.ab_state + 1) % 5;
    } else if (on(Hit::Counter, pt)) {
        p.face.counter_shows_zoom = p.face.counter_shows_zoom ? 0 : 1;
    }
}

// A search held with a button ends at its release.
void end_held_search(Player& p) {
    if (p.input.search_held == 0) return;
    p.input.search_held = 0;
    request(p, Command::NormalSpeed);
}

// A badge dropped within 3 pixels of home stays there; anywhere else it
// falls off the face.
void drop_badge(Player& p) {
    FaceState& f = p.face;
    if (f.badge_drag == 0) return;
    f.badge_drag = 0;
    if (std::abs(f.badge_offset.x) > kBadgeStayDistance ||
        std::abs(f.badge_offset.y) > kBadgeStayDistance)
        f.badge_falling = 1;
}

// The action FILE, CONFIG, FULL or POWER armed at the press.
void run_release_action(Player& p) {
    TransportState& t = p.transport;
    const Command armed = t.pending_command;
    if (armed == Command::FileRelease || armed == Command::ConfigRelease ||
        armed == Command::FullRelease) {
        t.pending_command = Command::None;
        if (armed == Command::FileRelease)
            open_file_or_toggle_editor(p, 0);
        else if (armed == Command::ConfigRelease)
            open_settings_dialog(p);
        else
            enter_full_screen(p);
    }
    if (p.input.quit_armed) {
        p.input.quit_armed = 0;
        p.tick.quit_requested = 1;
    }
}

// The end of a left press, with or without its release action.
void end_left_press(Player& p, bool run_action) {
    InputState& in = p.input;
    TransportState& t = p.transport;
    in.keypad_press = 2;
    in.mouse_held = 0;
    in.seek_drag = 0;
    in.volume_drag = 0;
    end_held_search(p);
    drop_badge(p);
    if (run_action) {
        run_release_action(p);
    } else {
        if (t.pending_command == Command::FileRelease ||
            t.pending_command == Command::ConfigRelease ||
            t.pending_command == Command::FullRelease)
            t.pending_command = Command::None;
        in.quit_armed = 0;
    }
    if (t.dial_mode == 2) {
        p.device.speed_index = 0;
        request(p, p.device.paused ? Command::Pause : Command::Play);
    }
    t.dial_mode = 0;
    // Every highlight still counting shows once more, then goes out.
    for (int& timer : t.button_timers)
        if (timer > 0) timer = 1;
}

}  // namespace

int dial_sector(Point pt, int n) {
    // 57.297 degrees a radian, as the dial has always turned.
    const double dx = pt.x - kDialCentre.x, dy = pt.y - kDialCentre.y;
    double angle;
    if (dy < 0 || (dy == 0 && dx >= 0))
        angle = std::atan2(dy, dx) * 57.297 * -1;
    else if (dy == 0)
        angle = 180;  // straight left: half a turn, not minus half a turn
    else
        angle = std::atan2(dy, -dx) * 57.297 + 180;
    const int sector = static_cast<int>(angle / (360.0 / n));
    return std::clamp(sector, 0, n - 1);
}

void mouse_left_down(Player& p, Point pt) {
    p.host().focus_scroll_bar();
    if (!p.host().minimized()) p.tick.window_active = 1;
    if (on_badge(p, pt)) {
        p.face.badge_drag = 1;
        p.face.badge_falling = 0;
    } else {
        press_readout(p, pt);
        if (!press_face_element(p, pt)) p.host().start_system_move();
    }
    p.input.mouse_held = 1;
    p.last_mouse_point = pt;
}

void mouse_move(Player& p, Point pt) {
    InputState& in = p.input;
    TransportState& t = p.transport;
    in.title_hover = on(Hit::TitleField, pt) ? 1 : 0;
    const int dx = pt.x - p.last_mouse_point.x;
    bool dragged = false;
    if (in.seek_drag == 1) {
        in.seek_knob = std::clamp(in.seek_knob + dx, 0, seek_bar_length);
        if (pt.x < kTrackLeftEnd) {
            in.seek_knob = 0;
            in.seek_drag = 2;
        } else if (pt.x >= kSeekTrackRightEnd) {
            in.seek_knob = seek_bar_length;
            in.seek_drag = 2;
        }
        const double length = p.query_number("status movie length");
        DeviceState& d = p.device;
        d.position = static_cast<int>(length / seek_bar_length * in.seek_knob);
        const std::string target = std::to_string(d.position);
        p.send(d.paused ? "seek movie to " + target : "play movie from " + target);
        dragged = true;
    }
    if (p.face.badge_drag) {
        p.face.badge_offset.x += dx;
        p.face.badge_offset.y += pt.y - p.last_mouse_point.y;
        dragged = true;
    }
    if (in.volume_drag == 1) {
        in.volume_knob = std::clamp(in.volume_knob + dx, 0, kVolumeKnobMax);
        if (pt.x < kTrackLeftEnd) {
            in.volume_knob = 0;
            in.volume_drag = 2;
        } else if (pt.x >= kVolumeTrackRightEnd) {
            in.volume_knob = kVolumeKnobMax;
            in.volume_drag = 2;
        }
        p.env.volume.set(volume_for_knob(in.volume_knob));
        dragged = true;
    }
    if (dragged) p.last_mouse_point = pt;
    if (t.dial_mode == 1) t.jog_sector = dial_sector(pt, 12);
    if (t.dial_mode == 2) t.shuttle_sector = dial_sector(pt, 32);
}

void mouse_left_up(Player& p) {
    end_left_press(p, true);
}

void mouse_cancel_mode(Player& p) {
    if (p.input.mouse_held) end_left_press(p, false);
}

void mouse_left_double_click(Player& p) {
    p.host().start_system_move();
}

void mouse_right_down(Player& p, Point pt) {
    TransportState& t = p.transport;
    Settings& s = p.settings;
    if (on(Hit::TitleField, pt)) s.title_field_mode = s.title_field_mode ? 0 : 1;
    // On the seek track of an open file the right button only changes the
    // title field.
    if (!(on(Hit::SeekTrack, pt) && p.device.stopped == 0)) {
        if (on(Hit::DialArea, pt)) {
            if (s.keypad_mode == 0) {
                s.keypad_mode = 1;
                t.track_display_ticks = 0;
                t.track_display_number = 0;
            } else if (hit(keypad_key(keypad::kBack)->rect, pt) ||
                       hit(keypad_key(keypad::kNext)->rect, pt)) {
                p.input.keypad_key =
                    hit(keypad_key(keypad::kBack)->rect, pt) ? keypad::kBack : keypad::kNext;
                p.input.keypad_press = 3;
            } else {
                s.keypad_mode = 0;
                t.track_display_ticks = 0;
                t.track_display_number = 0;
            }
        } else if (on(Hit::AbLabel, pt)) {
            if (t.ab_state == 2)
                t.ab_state = 0;
            else if (t.ab_state == 4)
                t.ab_state = 2;
        } else if (on(Hit::Back, pt) || on(Hit::Next, pt)) {
            const bool next = on(Hit::Next, pt);
            press_back_or_next(p, next);
            t.direct_jump_key = next ? 13 : 12;
        }
    }
    if (on(Hit::TimeReadout, pt)) set_time_display_mode(p, (s.time_display_mode + 2) % 3);
    if (on(Hit::Minimise, pt))
        minimise(p, 2);
    else if (on(Hit::File, pt))
        open_file_or_toggle_editor(p, 1);
    if (on(Hit::Rew, pt) || on(Hit::Ff, pt)) {
        press_search(p, on(Hit::Ff, pt));
        t.right_search = 1;
    }
}

void mouse_right_up(Player& p) {
    p.input.keypad_press = 2;
    p.transport.right_search = 0;
    end_held_search(p);
}

void mouse_middle_down(Player& p) {
    p.transport.toggle_request = 1;
}

void mouse_wheel(Player& p, int delta) {
    p.host().focus_scroll_bar();
    if (p.tick.window_active && delta != 0) p.transport.wheel_step = delta < 0 ? -1 : 1;
}

}  // namespace rq
