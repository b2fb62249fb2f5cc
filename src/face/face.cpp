#include "face/face.h"

#include "face/badge.h"
#include "face/button.h"
#include "face/dial.h"
#include "face/keypad.h"
#include "face/knob.h"
#include "face/lamp.h"
#include "face/readout.h"
#include "face/title.h"

namespace rq {

namespace {

// Paced steps come once per 150 ms at either tick rate.
void update_pace(Player& p) {
    if (p.tick.tick_divider != 0)
        p.face.pace_count = 5;
    else
        p.face.pace_count += 1;
}

}  // namespace

void face_controls_step(Player& p, FaceFrame& f) {
    Button::held_search_step(p);
    if (p.settings.keypad_mode == 1) {
        Keypad::step(p, f);
    } else {
        Dial::jog_step(p);
        Dial::shuttle_step(p);
    }
    update_pace(p);
}

void face_readings_step(Player& p, FaceFrame& f) {
    Readout::read_position(p, f);
    Title::step(p, f);
}

void draw_face(const Player& p, const FaceFrame& f, BlitList& out) {
    out.begin();
    FaceCanvas c{out};
    c.show(SpriteId::Face);
    Lamp::draw_ab(p, c);
    Readout::draw_audio_info(p, c);
    Lamp::draw_state(p, c);
    Button::draw_transport(p, c);
    Button::draw_zoom(p, c);
    if (p.settings.keypad_mode == 1)
        Keypad::draw(f, c);
    else
        Dial::draw(p, c);
    Lamp::draw_speed(p, c);
    Button::draw_later(p, c);
    kSeekKnob.draw(p, c);
    kVolumeKnob.draw(p, c);
    Readout::draw_counters(p, c);
    Readout::draw_time(p, f, c);
    Title::draw(p, f, c);
    Badge::draw(p, c);
    Lamp::draw_inactive_logo(p, c);
}

void face_after_drawing_step(Player& p, const FaceFrame& f) {
    Badge::fall_step(p);
    Title::after_drawing(p, f);
}

}  // namespace rq
