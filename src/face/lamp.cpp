#include "face/lamp.h"

#include <algorithm>

#include "playlist/playlist_model.h"
#include "skin/face_layout.h"

namespace rq {

namespace {

// A bar of `levels` speed levels: forward from its start, reverse to its end.
void draw_speed_bar(FaceCanvas& c, int levels, bool forward) {
    const int w = kSpeedBarStep * levels;
    const int x = forward ? kSpeedBarForwardX : kSpeedBarReverseEnd - w;
    c.copy({x, kSpeedBarY}, lit({x, kSpeedBarY, w, sprite(SpriteId::SpeedBarForward).rect.h}));
}

}  // namespace

void Lamp::toggle_shuffle(Player& p) {
    p.settings.shuffle = p.settings.shuffle ? 0 : 1;
    if (p.settings.shuffle) build_shuffle_order(p);
}

void Lamp::toggle_repeat(Player& p) {
    p.settings.repeat = p.settings.repeat ? 0 : 1;
}

void Lamp::ab_left(Player& p) {
    const int next = (static_cast<int>(p.transport.ab_state) + 1) % 5;
    p.transport.ab_state = static_cast<AbState>(next);
}

void Lamp::ab_right(Player& p) {
    AbState& ab = p.transport.ab_state;
    if (ab == AbState::AHeld)
        ab = AbState::Off;
    else if (ab == AbState::Looping)
        ab = AbState::AHeld;
}

void Lamp::draw_ab(const Player& p, FaceCanvas& c) {
    const AbState ab = p.transport.ab_state;
    if (ab != AbState::Off) {
        c.show_lit(SpriteId::AbLampRepeat);
        c.show_lit(SpriteId::AbLampA);
    }
    if (ab == AbState::Looping) c.show_lit(SpriteId::AbLampB);
}

void Lamp::draw_state(const Player& p, FaceCanvas& c) {
    if (p.device.stopped == 1) c.show(SpriteId::PlayStoppedLook);
    if (p.device.paused == 1) {
        c.show_lit(SpriteId::PauseLamp);
        c.show(SpriteId::StillPausedLook);
    }
    if (p.settings.shuffle) c.show_lit(SpriteId::ShuffleLamp);
    if (p.settings.repeat) c.show_lit(SpriteId::RepeatLamp);
}

void Lamp::draw_speed(const Player& p, FaceCanvas& c) {
    const DeviceState& d = p.device;
    // PLAY shows its stopped look while a paused file searches.
    if (d.speed_index != 0 && d.stopped == 0 && d.paused == 1) c.show(SpriteId::PlayStoppedLook);
    const int speed = std::clamp(d.speed_index, -9, 9);
    const bool slow = p.transport.slow_step != 0;
    if (d.stopped == 1 && speed <= 0) c.show_lit(SpriteId::StopLamp);
    if (speed > 0 && !slow) draw_speed_bar(c, speed, true);
    if (speed < 0) {
        if (!slow) draw_speed_bar(c, -speed, false);
        c.show_lit(SpriteId::ReverseLamp);
        c.show_lit(SpriteId::StopLamp);
    }
    if (speed == 0 && d.paused == 1) {
        c.show_lit(SpriteId::StopLamp);
        c.show(SpriteId::PlayStoppedLook);
    }
}

void Lamp::draw_inactive_logo(const Player& p, FaceCanvas& c) {
    if (p.tick.window_active == 0) c.show_lit(SpriteId::Logo);
}

}  // namespace rq
