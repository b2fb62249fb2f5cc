#include "transport/face_composition.h"

#include <algorithm>
#include <cstdlib>

#include "core/player.h"
#include "media/index_marks.h"
#include "skin/face_layout.h"
#include "transport/face_parts.h"
#include "transport/speed.h"

namespace rq {

namespace {

// A face button lit while its timer counts: its lit look, or a look of its
// own kept beside the faces.
struct PressedLook {
    int timer;
    SpriteId look;
    bool lit;
};

// In drawing order; search back and forward come last of the first group
// because holding them also moves the transport.
constexpr PressedLook kPressedLooks[] = {
    {button::kPlay, SpriteId::PlayButton, true},
    {button::kStillToPause, SpriteId::StillPressedPausedLook, false},
    {button::kStill, SpriteId::StillButton, true},
    {button::kStop, SpriteId::StopButton, true},
    {button::kBack, SpriteId::BackButton, true},
    {button::kNext, SpriteId::NextButton, true},
    {button::kSearchBack, SpriteId::RewButton, true},
    {button::kSearchForward, SpriteId::FfButton, true},
};
constexpr PressedLook kPressedZoom[] = {
    {button::kSmaller, SpriteId::ZoomMinusPressedLook, false},
    {button::kLarger, SpriteId::ZoomPlusPressedLook, false},
};
constexpr PressedLook kPressedLater[] = {
    {button::kFile, SpriteId::FileButton, true},
    {button::kConfig, SpriteId::ConfigButton, true},
    {button::kFull, SpriteId::FullButtonLit, false},
    {button::kPower, SpriteId::PowerButton, true},
};

template <size_t N>
void draw_pressed(Player& p, const PressedLook (&looks)[N]) {
    for (const PressedLook& b : looks) {
        if (p.transport.button_timers[static_cast<size_t>(b.timer)] <= 0) continue;
        if (b.lit)
            show_lit(p, b.look);
        else
            show(p, b.look);
    }
}

void draw_base_face(Player& p) {
    show(p, SpriteId::Face);
}

int digit(int value) {
    return std::clamp(value, 0, 9);
}

void draw_ab_lamps(Player& p) {
    const int ab = p.transport.ab_state;
    if (ab != 0) {
        show_lit(p, SpriteId::AbLampRepeat);
        show_lit(p, SpriteId::AbLampA);
    }
    if (ab == 4) show_lit(p, SpriteId::AbLampB);
}

// Sample rate and bit rate of an MPEG audio file.
void draw_audio_info(Player& p) {
    const MediaState& m = p.media;
    if (m.audio_info_valid != 1) return;
    show_lit(p, SpriteId::SampleRateLamp);
    const int y = kAudioInfoY;
    if (m.bitrate_digits[0] != 0)
        copy_sprite(p, {kBitRateDigitX[0], y},
                    cell(SpriteId::SmallDigits, digit(m.bitrate_digits[0])));
    for (int i = 1; i < 3; ++i)
        copy_sprite(p, {kBitRateDigitX[i], y},
                    cell(SpriteId::SmallDigits, digit(m.bitrate_digits[static_cast<size_t>(i)])));
    show_lit(p, SpriteId::BitRateLamp);
    for (int i = 0; i < 2; ++i)
        copy_sprite(
            p, {kSampleRateDigitX[i], y},
            cell(SpriteId::SmallDigits, digit(m.sample_rate_digits[static_cast<size_t>(i)])));
}

void draw_state_lamps(Player& p) {
    if (p.device.stopped == 1) show(p, SpriteId::PlayStoppedLook);
    if (p.device.paused == 1) {
        show_lit(p, SpriteId::PauseLamp);
        show(p, SpriteId::StillPausedLook);
    }
    if (p.settings.shuffle) show_lit(p, SpriteId::ShuffleLamp);
    if (p.settings.repeat) show_lit(p, SpriteId::RepeatLamp);
}

// A three-digit number in the keypad's window, hundreds limited to 9.
void draw_keypad_number(Player& p, int n, SpriteId row) {
    n = std::max(n, 0);
    const int digits[3] = {std::min(n / 100, 9), n / 10 % 10, n % 10};
    for (int i = 0; i < 3; ++i)
        copy_sprite(p, {kKeypadNumberX[static_cast<size_t>(i)], kKeypadNumberY},
                    cell(row, digits[i]));
}

// A count shown in the keypad's window blinks: hidden on 6 passes of 15.
bool blink_shows(int ticks) {
    return ticks % 15 <= 8;
}

// The keypad over the dial: the pressed key lit, a released key acting on
// the index marks, and the number window.
void keypad(Player& p) {
    InputState& in = p.input;
    TransportState& t = p.transport;
    show(p, SpriteId::Keypad);
    if (in.keypad_key >= 0) {
        if (const KeypadKey* key = keypad_key(in.keypad_key)) {
            const SpriteRect r = key->rect;
            copy_sprite(p, {r.x, r.y}, lit({r.x + kKeypadSheetOffset, r.y, r.w, r.h}));
        }
    }
    if (in.keypad_press >= 2) {
        switch (in.keypad_key) {
            case keypad::kEnter:
                index_mark_step(p, MarkOp::Add);
                index_mark_step(p, MarkOp::Neighbours);
                break;
            case keypad::kErase:
                index_mark_step(p, MarkOp::Delete);
                index_mark_step(p, MarkOp::Neighbours);
                break;
            case keypad::kNext:
                index_mark_step(p, MarkOp::NextBy);
                break;
            case keypad::kBack:
                index_mark_step(p, MarkOp::PreviousBy);
                break;
            default:
                break;
        }
        in.keypad_key = -1;
        in.keypad_press = 0;
    }
    if (t.keypad_number_ticks > 1) {
        t.keypad_number_ticks -= 1;
        if (blink_shows(t.keypad_number_ticks))
            draw_keypad_number(p, t.keypad_number, SpriteId::KeypadDigitsLit);
    } else if (t.track_display_ticks > 1) {
        t.track_display_ticks -= 1;
        if (blink_shows(t.track_display_ticks))
            draw_keypad_number(p, t.track_display_number, SpriteId::KeypadDigits);
    } else {
        t.keypad_number = 0;
        draw_keypad_number(p, p.marks.index_count_before, SpriteId::KeypadDigits);
    }
}

// The jog dial and shuttle ring turn first; then the knob on its circle and
// the shuttle's dot, fading in while dragged and out afterwards.
void dial(Player& p) {
    TransportState& t = p.transport;
    jog_dial_step(p);
    shuttle_ring_step(p);
    const FacePoint knob = kJogCircle[static_cast<size_t>(std::clamp(t.jog_knob, 0, 11))];
    key_sprite(p, {knob.x + kJogKnobOffset.x, knob.y + kJogKnobOffset.y},
               sprite(SpriteId::JogKnob).rect);
    if (t.dial_mode != 2 && t.shuttle_alpha < -255) return;
    const int speed = std::clamp(t.shuttle_speed, -9, 9);
    const FacePoint arc = kShuttleArc[static_cast<size_t>(std::abs(speed))];
    const int x = speed < 0 ? kShuttleDotX - arc.x : kShuttleDotX + arc.x;
    blits(p).fade(SurfaceId::SkinSheet, x, arc.y, x, arc.y + kLitRows, kShuttleDotSize,
                  kShuttleDotSize, t.shuttle_alpha);
}

void dial_area(Player& p) {
    if (p.settings.keypad_mode == 1)
        keypad(p);
    else
        dial(p);
}

// Paced steps come once per 150 ms at either tick rate.
void update_pace(Player& p) {
    if (p.tick.tick_divider != 0)
        p.face.pace_count = 5;
    else
        p.face.pace_count += 1;
}

// PLAY shows its stopped look while a paused file searches.
void paused_search_look(Player& p) {
    const DeviceState& d = p.device;
    if (d.speed_index != 0 && d.stopped == 0 && d.paused == 1) show(p, SpriteId::PlayStoppedLook);
}

// A bar of `levels` speed levels: forward from its start, reverse to its end.
void draw_speed_bar(Player& p, int levels, bool forward) {
    const int w = kSpeedBarStep * levels;
    const int x = forward ? kSpeedBarForwardX : kSpeedBarReverseEnd - w;
    copy_sprite(p, {x, kSpeedBarY},
                lit({x, kSpeedBarY, w, sprite(SpriteId::SpeedBarForward).rect.h}));
}

void speed_display(Player& p) {
    const DeviceState& d = p.device;
    const int speed = std::clamp(d.speed_index, -9, 9);
    const bool slow = p.transport.slow_step != 0;
    if (d.stopped == 1 && speed <= 0) show_lit(p, SpriteId::StopLamp);
    if (speed > 0 && !slow) draw_speed_bar(p, speed, true);
    if (speed < 0) {
        if (!slow) draw_speed_bar(p, -speed, false);
        show_lit(p, SpriteId::ReverseLamp);
        show_lit(p, SpriteId::StopLamp);
    }
    if (speed == 0 && d.paused == 1) {
        show_lit(p, SpriteId::StopLamp);
        show(p, SpriteId::PlayStoppedLook);
    }
}

void draw_knobs(Player& p) {
    copy_sprite(p, {kSeekKnobOrigin.x + p.input.seek_knob, kSeekKnobOrigin.y},
                sprite(SpriteId::SeekKnob).rect);
    copy_sprite(p, {kVolumeKnobOrigin.x + p.input.volume_knob, kVolumeKnobOrigin.y},
                sprite(SpriteId::VolumeKnob).rect);
}

// Dragged off its home, the badge falls with growing steps and is gone for
// good once its top is far enough below home.
void badge(Player& p) {
    if (p.settings.badge_gone != 0) return;
    FaceState& f = p.face;
    key_sprite(p, {kBadgeHome.x + f.badge_offset.x, kBadgeHome.y + f.badge_offset.y},
               sprite(SpriteId::Badge).rect);
    if (f.badge_falling == 0) return;
    const int steps = static_cast<int>(kBadgeFall.size());
    f.badge_falling = std::clamp(f.badge_falling + 1, 1, steps);
    f.badge_offset.y += kBadgeFall[static_cast<size_t>(f.badge_falling - 1)];
    if (f.badge_offset.y > kBadgeGoneBelow) p.settings.badge_gone = 1;
}

void inactive_logo(Player& p) {
    if (p.tick.window_active == 0) show_lit(p, SpriteId::Logo);
}

}  // namespace

void compose_face(Player& p) {
    blits(p).begin();
    draw_base_face(p);
    draw_ab_lamps(p);
    draw_audio_info(p);
    draw_state_lamps(p);
    draw_pressed(p, kPressedLooks);
    face_search_buttons(p);
    draw_pressed(p, kPressedZoom);
    dial_area(p);
    update_pace(p);
    prepare_speed(p);
    paused_search_look(p);
    speed_display(p);
    draw_pressed(p, kPressedLater);
    draw_knobs(p);
    // One position read serves the time readout. Stopped, the device is
    // closed and would answer nothing, which reads as 0.
    const int position = p.device.stopped ? 0 : p.query_number("status movie position");
    draw_counters(p);
    draw_time(p, position);
    draw_title_fields(p);
    badge(p);
    inactive_logo(p);
    p.face.drawn = blits(p).run(p.skin) ? 1 : 0;
}

}  // namespace rq
