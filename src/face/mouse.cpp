#include "face/mouse.h"

#include "face/badge.h"
#include "face/button.h"
#include "face/keypad.h"
#include "face/knob.h"
#include "face/lamp.h"
#include "face/readout.h"
#include "face/title.h"
#include "media/drops.h"

namespace rq {

namespace {

// The dial, or the keypad that stands over it.
void press_dial_area(Player& p, Point pt) {
    if (p.settings.keypad_mode == 0)
        Dial::press(p, pt);
    else
        Keypad::press(p, pt);
}

// The press's own target on the face, first match wins; false when the
// point is on none, and the face then moves the window.
bool press_face_element(Player& p, Point pt) {
    if (on(Hit::Minimise, pt)) {
        Button::minimise(p, 1);
    } else if (kSeekKnob.hit(p, pt) && !p.device.stopped) {
        kSeekKnob.grab(p);
    } else if (kVolumeKnob.hit(p, pt) && p.transport.key_lock_ticks == 0) {
        kVolumeKnob.grab(p);
    } else if (on(Hit::Rew, pt) || on(Hit::Ff, pt)) {
        Button::search(p, on(Hit::Ff, pt));
    } else if (on(Hit::Play, pt)) {
        Button::play(p);
    } else if (on(Hit::Still, pt)) {
        Button::still(p);
    } else if (on(Hit::Stop, pt)) {
        Button::stop(p);
    } else if (on(Hit::Back, pt) || on(Hit::Next, pt)) {
        Button::back_or_next(p, on(Hit::Next, pt));
    } else if (kZoomMinusButton.hit(pt)) {
        kZoomMinusButton.press(p);
    } else if (kZoomPlusButton.hit(pt)) {
        kZoomPlusButton.press(p);
    } else if (Dial::hit(pt)) {
        press_dial_area(p, pt);
    } else if (kFileButton.hit(pt)) {
        kFileButton.press(p);
    } else if (kConfigButton.hit(pt)) {
        kConfigButton.press(p);
    } else if (kFullButton.hit(pt)) {
        kFullButton.press(p);
    } else if (on(Hit::DisplayLine, pt)) {
        Title::display_line_press(p);
    } else if (on(Hit::Power, pt)) {
        Button::power(p);
    } else if (on(Hit::Shuffle, pt)) {
        Lamp::toggle_shuffle(p);
    } else if (on(Hit::Repeat, pt)) {
        Lamp::toggle_repeat(p);
    } else {
        return false;
    }
    return true;
}

// Readouts that change with a click and still let the window move.
void press_readout(Player& p, Point pt) {
    if (on(Hit::TimeReadout, pt))
        Readout::time_left(p);
    else if (on(Hit::AbLabel, pt))
        Lamp::ab_left(p);
    else if (on(Hit::Counter, pt))
        Readout::counter_press(p);
}

// The end of a left press, with or without its release action.
void end_left_press(Player& p, bool run_action) {
    InputState& in = p.input;
    in.keypad_press = 2;
    in.mouse_held = 0;
    in.seek_drag = 0;
    in.volume_drag = 0;
    Button::end_search(p);
    Badge::drop(p);
    if (run_action)
        Button::run_release_action(p);
    else
        Button::disarm(p);
    Dial::release(p);
    // Every highlight still counting shows once more, then goes out.
    for (int& timer : p.transport.button_timers)
        if (timer > 0) timer = 1;
}

// The right button on the dial's area, the A-B label, BACK or NEXT; on the
// seek track of an open file it only changes the title field.
void right_press_transport(Player& p, Point pt) {
    if (on(Hit::SeekTrack, pt) && p.device.stopped == 0) return;
    if (on(Hit::DialArea, pt)) {
        Keypad::right_press(p, pt);
    } else if (on(Hit::AbLabel, pt)) {
        Lamp::ab_right(p);
    } else if (on(Hit::Back, pt) || on(Hit::Next, pt)) {
        const bool next = on(Hit::Next, pt);
        Button::back_or_next(p, next);
        p.transport.direct_jump_key = next ? 13 : 12;
    }
}

}  // namespace

void mouse_left_down(Player& p, Point pt) {
    p.host().focus_scroll_bar();
    if (!p.host().minimized()) p.tick.window_active = 1;
    if (Badge::hit(p, pt)) {
        Badge::grab(p);
    } else {
        press_readout(p, pt);
        if (!press_face_element(p, pt)) p.host().start_system_move();
    }
    p.input.mouse_held = 1;
    p.last_mouse_point = pt;
}

void mouse_move(Player& p, Point pt) {
    Title::hover(p, pt);
    const Point delta{pt.x - p.last_mouse_point.x, pt.y - p.last_mouse_point.y};
    bool dragged = Knob::drag_seek(p, pt, delta.x);
    dragged = Badge::follow(p, delta) || dragged;
    dragged = Knob::drag_volume(p, pt, delta.x) || dragged;
    if (dragged) p.last_mouse_point = pt;
    Dial::follow(p, pt);
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
    if (on(Hit::TitleField, pt)) Title::title_field_press(p);
    right_press_transport(p, pt);
    if (on(Hit::TimeReadout, pt)) Readout::time_right(p);
    if (on(Hit::Minimise, pt))
        Button::minimise(p, 2);
    else if (on(Hit::File, pt))
        open_file_or_toggle_editor(p, 1);
    if (on(Hit::Rew, pt) || on(Hit::Ff, pt)) {
        Button::search(p, on(Hit::Ff, pt));
        p.transport.right_search = 1;
    }
}

void mouse_right_up(Player& p) {
    p.input.keypad_press = 2;
    p.transport.right_search = 0;
    Button::end_search(p);
}

void mouse_middle_down(Player& p) {
    p.transport.toggle_request = 1;
}

void mouse_wheel(Player& p, int delta) {
    p.host().focus_scroll_bar();
    if (p.tick.window_active && delta != 0) p.transport.wheel_step = delta < 0 ? -1 : 1;
}

}  // namespace rq
