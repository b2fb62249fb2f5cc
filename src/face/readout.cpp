#include "face/readout.h"

#include <algorithm>

#include "media/device_ops.h"
#include "skin/face_layout.h"

namespace rq {

namespace {

// The time readout's three modes: the raw position in the user's unit, or
// elapsed and remaining time, which need milliseconds.
void set_time_display_mode(Player& p, int mode) {
    p.settings.time_display_mode = mode;
    p.device.prefer_milliseconds = set_time_format(p, mode == 0 ? 0 : 1);
}

int digit(int value) {
    return std::clamp(value, 0, 9);
}

// Decimal digit `place` (0 units, 1 tens, ...) of a value that is not negative.
int digit_at(int value, int place) {
    for (int i = 0; i < place; ++i)
        value /= 10;
    return value % 10;
}

void counter_digits(FaceCanvas& c, int first_place, int value) {
    value = std::max(value, 0);
    for (int i = 0; i < 3; ++i)
        c.copy({kCounterX[static_cast<size_t>(first_place + i)], kCounterY},
               cell(SpriteId::CounterDigits, digit_at(value, 2 - i)));
}

void entry_counters(const Player& p, FaceCanvas& c) {
    const PlaylistState& pl = p.playlist;
    counter_digits(c, 0, pl.entry_count);
    c.copy({kCounterX[3], kCounterY}, sprite(SpriteId::CounterSeparator).rect);
    counter_digits(c, 4, pl.entry_count == 0 ? 0 : pl.current_entry + 1);
}

// The zoom in per cent where the current entry stands, hundreds only from
// 100 on.
void zoom_value(const Player& p, FaceCanvas& c) {
    const int percent = std::clamp(p.geometry.zoom_percent, 0, 999);
    for (int i = 0; i < 3; ++i) {
        if (i == 0 && percent < 100) continue;
        c.copy({kCounterX[static_cast<size_t>(4 + i)], kCounterY},
               cell(SpriteId::CounterDigits, digit_at(percent, 2 - i)));
    }
    c.show_lit(SpriteId::ZoomLabel);
    c.show_lit(SpriteId::PercentLamp);
}

void time_cell(FaceCanvas& c, int i, SpriteRect src) {
    c.copy({time_digit_x(i), kTimeY}, src);
}

// Mode 0: the raw position in the user's unit, eight digits, and the unit
// lamps.
void raw_position(const Player& p, FaceCanvas& c, int position) {
    position = std::max(position, 0);
    for (int i = 7; i >= 0; --i)
        c.key({time_digit_x(i), kTimeY}, cell(SpriteId::TimeDigits, digit_at(position, i)));
    if (p.device.length_frames == p.device.length_ms) {
        c.show_lit(SpriteId::UnitLampPos);
        c.show_lit(SpriteId::UnitLampMs);
    } else {
        c.show_lit(SpriteId::UnitLampPosFrames);
    }
}

// Modes 1 and 2: hours, minutes and seconds with their marks.
void clock_time(FaceCanvas& c, int seconds) {
    seconds = std::max(seconds, 0);
    time_cell(c, 7, cell(SpriteId::TimeDigits, std::min(seconds / 3600, 9)));
    time_cell(c, 6, sprite(SpriteId::TimeHoursMark).rect);
    time_cell(c, 5, cell(SpriteId::TimeDigits, seconds / 600 % 6));
    time_cell(c, 4, cell(SpriteId::TimeDigits, seconds / 60 % 10));
    time_cell(c, 3, sprite(SpriteId::TimeMinutesMark).rect);
    time_cell(c, 2, cell(SpriteId::TimeDigits, seconds % 60 / 10));
    time_cell(c, 1, cell(SpriteId::TimeDigits, seconds % 10));
    time_cell(c, 0, sprite(SpriteId::TimeSecondsMark).rect);
}

}  // namespace

void Readout::time_left(Player& p) {
    set_time_display_mode(p, (p.settings.time_display_mode + 1) % 3);
}

void Readout::time_right(Player& p) {
    set_time_display_mode(p, (p.settings.time_display_mode + 2) % 3);
}

void Readout::counter_press(Player& p) {
    p.face.counter_shows_zoom = p.face.counter_shows_zoom ? 0 : 1;
}

void Readout::read_position(Player& p, FaceFrame& f) {
    f.position = p.device.stopped ? 0 : p.query_number("status movie position");
}

// Sample rate and bit rate of an MPEG audio file.
void Readout::draw_audio_info(const Player& p, FaceCanvas& c) {
    const MediaState& m = p.media;
    if (m.audio_info_valid != 1) return;
    c.show_lit(SpriteId::SampleRateLamp);
    const int y = kAudioInfoY;
    if (m.bitrate_digits[0] != 0)
        c.copy({kBitRateDigitX[0], y}, cell(SpriteId::SmallDigits, digit(m.bitrate_digits[0])));
    for (int i = 1; i < 3; ++i)
        c.copy({kBitRateDigitX[i], y},
               cell(SpriteId::SmallDigits, digit(m.bitrate_digits[static_cast<size_t>(i)])));
    c.show_lit(SpriteId::BitRateLamp);
    for (int i = 0; i < 2; ++i)
        c.copy({kSampleRateDigitX[i], y},
               cell(SpriteId::SmallDigits, digit(m.sample_rate_digits[static_cast<size_t>(i)])));
}

void Readout::draw_counters(const Player& p, FaceCanvas& c) {
    const GeometryState& g = p.geometry;
    if (g.zoom_percent != 0 && (g.zoom_display_ticks > 0 || p.face.counter_shows_zoom != 0))
        zoom_value(p, c);
    else
        entry_counters(p, c);
}

void Readout::draw_time(const Player& p, const FaceFrame& f, FaceCanvas& c) {
    const int position = f.position;
    switch (p.settings.time_display_mode) {
        case 0:
            raw_position(p, c, position);
            break;
        case 2:
            clock_time(c, static_cast<int>((static_cast<long long>(p.device.length_ms) - position) /
                                           1000));
            c.copy(kTimeMinus, sprite(SpriteId::TimeMinus).rect);
            break;
        default:
            clock_time(c, position / 1000);
            break;
    }
}

}  // namespace rq
