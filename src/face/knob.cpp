#include "face/knob.h"

#include <algorithm>
#include <string>

namespace rq {

namespace {

// A drag that leaves its track left of this column ends there.
constexpr int kTrackLeftEnd = 57;

}  // namespace

const Knob kSeekKnob{Hit::SeekKnob,          SpriteId::SeekKnob, &InputState::seek_knob,
                     &InputState::seek_drag, seek_bar_length,    312};
const Knob kVolumeKnob{Hit::VolumeKnob,          SpriteId::VolumeKnob, &InputState::volume_knob,
                       &InputState::volume_drag, kVolumeKnobMax,       134};

bool Knob::follow(Player& p, Point pt, int dx) const {
    InputState& in = p.input;
    if (in.*drag != 1) return false;
    int& pos = in.*position;
    pos = std::clamp(pos + dx, 0, max);
    if (pt.x < kTrackLeftEnd) {
        pos = 0;
        in.*drag = 2;
    } else if (pt.x >= right_end) {
        pos = max;
        in.*drag = 2;
    }
    return true;
}

void Knob::draw(const Player& p, FaceCanvas& c) const {
    const FacePoint origin = face_place(look);
    c.copy({origin.x + p.input.*position, origin.y}, sprite(look).rect);
}

bool Knob::drag_seek(Player& p, Point pt, int dx) {
    if (!kSeekKnob.follow(p, pt, dx)) return false;
    const double length = p.query_number("status movie length");
    DeviceState& d = p.device;
    d.position = static_cast<int>(length / seek_bar_length * p.input.seek_knob);
    const std::string target = std::to_string(d.position);
    p.send(d.paused ? "seek movie to " + target : "play movie from " + target);
    return true;
}

bool Knob::drag_volume(Player& p, Point pt, int dx) {
    if (!kVolumeKnob.follow(p, pt, dx)) return false;
    p.env.volume.set(volume_for_knob(p.input.volume_knob));
    return true;
}

void Knob::fade_over_title_step(Player& p) {
    int& bias = p.face.seek_knob_bias;
    bias = p.input.title_hover ? 5 : std::max(bias - 7, -255);
}

void Knob::draw_over_title(const Player& p, FaceCanvas& c) {
    const SpriteRect knob = sprite(SpriteId::SeekKnob).rect;
    const FacePoint origin = face_place(SpriteId::SeekKnob);
    c.blits.fade(SurfaceId::SkinSheet, origin.x + p.input.seek_knob, origin.y, knob.x, knob.y,
                 knob.w, knob.h, p.face.seek_knob_bias);
}

}  // namespace rq
