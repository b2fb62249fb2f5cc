// The display's numbers: the entry counters (or the picture's zoom) and the
// time readout.

#include <algorithm>

#include "skin/face_layout.h"
#include "transport/face_parts.h"

namespace rq {

namespace {

// Decimal digit `place` (0 units, 1 tens, ...) of a value that is not negative.
int digit_at(int value, int place) {
    for (int i = 0; i < place; ++i)
        value /= 10;
    return value % 10;
}

void counter_digits(Player& p, int first_place, int value) {
    value = std::max(value, 0);
    for (int i = 0; i < 3; ++i)
        copy_sprite(p, {kCounterX[static_cast<size_t>(first_place + i)], kCounterY},
                    cell(SpriteId::CounterDigits, digit_at(value, 2 - i)));
}

void entry_counters(Player& p) {
    const PlaylistState& pl = p.playlist;
    counter_digits(p, 0, pl.entry_count);
    copy_sprite(p, {kCounterX[3], kCounterY}, sprite(SpriteId::CounterSeparator).rect);
    counter_digits(p, 4, pl.entry_count == 0 ? 0 : pl.current_entry + 1);
}

// The zoom in per cent where the current entry stands, hundreds only from
// 100 on.
void zoom_value(Player& p) {
    const int percent = std::clamp(p.geometry.zoom_percent, 0, 999);
    for (int i = 0; i < 3; ++i) {
        if (i == 0 && percent < 100) continue;
        copy_sprite(p, {kCounterX[static_cast<size_t>(4 + i)], kCounterY},
                    cell(SpriteId::CounterDigits, digit_at(percent, 2 - i)));
    }
    show_lit(p, SpriteId::ZoomLabel);
    show_lit(p, SpriteId::PercentLamp);
}

void time_cell(Player& p, int i, SpriteRect src) {
    copy_sprite(p, {time_digit_x(i), kTimeY}, src);
}

// Mode 0: the raw position in the user's unit, eight digits, and the unit
// lamps.
void raw_position(Player& p, int position) {
    position = std::max(position, 0);
    for (int i = 7; i >= 0; --i)
        key_sprite(p, {time_digit_x(i), kTimeY}, cell(SpriteId::TimeDigits, digit_at(position, i)));
    if (p.device.length_frames == p.device.length_ms) {
        show_lit(p, SpriteId::UnitLampPos);
        show_lit(p, SpriteId::UnitLampMs);
    } else {
        show_lit(p, SpriteId::UnitLampPosFrames);
    }
}

// Modes 1 and 2: hours, minutes and seconds with their marks.
void clock_time(Player& p, int seconds) {
    seconds = std::max(seconds, 0);
    time_cell(p, 7, cell(SpriteId::TimeDigits, std::min(seconds / 3600, 9)));
    time_cell(p, 6, sprite(SpriteId::TimeHoursMark).rect);
    time_cell(p, 5, cell(SpriteId::TimeDigits, seconds / 600 % 6));
    time_cell(p, 4, cell(SpriteId::TimeDigits, seconds / 60 % 10));
    time_cell(p, 3, sprite(SpriteId::TimeMinutesMark).rect);
    time_cell(p, 2, cell(SpriteId::TimeDigits, seconds % 60 / 10));
    time_cell(p, 1, cell(SpriteId::TimeDigits, seconds % 10));
    time_cell(p, 0, sprite(SpriteId::TimeSecondsMark).rect);
}

}  // namespace

void draw_counters(Player& p) {
    const GeometryState& g = p.geometry;
    if (g.zoom_percent != 0 && (g.zoom_display_ticks > 0 || p.face.counter_shows_zoom != 0))
        zoom_value(p);
    else
        entry_counters(p);
}

void draw_time(Player& p, int position) {
    switch (p.settings.time_display_mode) {
        case 0:
            raw_position(p, position);
            break;
        case 2:
            clock_time(p, static_cast<int>((static_cast<long long>(p.device.length_ms) - position) /
                                           1000));
            copy_sprite(p, kTimeMinus, sprite(SpriteId::TimeMinus).rect);
            break;
        default:
            clock_time(p, position / 1000);
            break;
    }
}

}  // namespace rq
