#include "face/keypad.h"

#include <algorithm>

#include "media/index_marks.h"
#include "skin/face_layout.h"

namespace rq {

namespace {

constexpr int kIndexBackStep = 20;
constexpr int kIndexBackMax = 50;
constexpr int kKeypadNumberTicks = 70;
constexpr int kTrackDisplayTicks = 50;
constexpr int kKeypadNumberMax = 999;

// A typed digit, 0, +10 or CL: the number the next back or next steps by.
void type(Player& p, int code) {
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

void switch_mode(Player& p, int mode) {
    p.settings.keypad_mode = mode;
    p.transport.track_display_ticks = 0;
    p.transport.track_display_number = 0;
}

// A released key's work on the index marks.
void act_on_marks(Player& p, int code) {
    switch (code) {
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
}

// A count shown in the keypad's window blinks: hidden on 6 passes of 15.
bool blink_shows(int ticks) {
    return ticks % 15 <= 8;
}

// A three-digit number in the keypad's window, hundreds limited to 9.
void draw_number(FaceCanvas& c, int n, SpriteId row) {
    n = std::max(n, 0);
    const int digits[3] = {std::min(n / 100, 9), n / 10 % 10, n % 10};
    for (int i = 0; i < 3; ++i)
        c.copy({kKeypadNumberX[static_cast<size_t>(i)], kKeypadNumberY}, cell(row, digits[i]));
}

}  // namespace

void Keypad::press(Player& p, Point pt) {
    InputState& in = p.input;
    TransportState& t = p.transport;
    if (rq::hit(kKeypadNumberWindow, pt)) {
        t.track_display_ticks = kTrackDisplayTicks;
        t.track_display_number = p.stores.index_marks.count();
        return;
    }
    for (const KeypadKey& key : kKeypadKeys) {
        if (!rq::hit(key.rect, pt)) continue;
        in.keypad_key = key.code;
        if (key.code == keypad::kBack)
            t.index_back_ticks = std::min(t.index_back_ticks + kIndexBackStep, kIndexBackMax);
        else if (key.code <= keypad::kClear)
            type(p, key.code);
        in.keypad_press = 1;
        return;
    }
}

void Keypad::right_press(Player& p, Point pt) {
    if (p.settings.keypad_mode == 0) {
        switch_mode(p, 1);
    } else if (rq::hit(keypad_key(keypad::kBack)->rect, pt) ||
               rq::hit(keypad_key(keypad::kNext)->rect, pt)) {
        p.input.keypad_key =
            rq::hit(keypad_key(keypad::kBack)->rect, pt) ? keypad::kBack : keypad::kNext;
        p.input.keypad_press = 3;
    } else {
        switch_mode(p, 0);
    }
}

void Keypad::step(Player& p, FaceFrame& f) {
    InputState& in = p.input;
    TransportState& t = p.transport;
    f.keypad_lit_key = in.keypad_key;
    if (in.keypad_press >= 2) {
        act_on_marks(p, in.keypad_key);
        in.keypad_key = -1;
        in.keypad_press = 0;
    }
    f.keypad_number_shown = true;
    f.keypad_number_lit = false;
    if (t.keypad_number_ticks > 1) {
        t.keypad_number_ticks -= 1;
        f.keypad_number_shown = blink_shows(t.keypad_number_ticks);
        f.keypad_number = t.keypad_number;
        f.keypad_number_lit = true;
    } else if (t.track_display_ticks > 1) {
        t.track_display_ticks -= 1;
        f.keypad_number_shown = blink_shows(t.track_display_ticks);
        f.keypad_number = t.track_display_number;
    } else {
        t.keypad_number = 0;
        f.keypad_number = p.marks.index_count_before;
    }
}

void Keypad::draw(const FaceFrame& f, FaceCanvas& c) {
    c.show(SpriteId::Keypad);
    if (f.keypad_lit_key >= 0) {
        if (const KeypadKey* key = keypad_key(f.keypad_lit_key)) {
            const SpriteRect r = key->rect;
            c.copy({r.x, r.y}, lit({r.x + kKeypadSheetOffset, r.y, r.w, r.h}));
        }
    }
    if (f.keypad_number_shown)
        draw_number(c, f.keypad_number,
                    f.keypad_number_lit ? SpriteId::KeypadDigitsLit : SpriteId::KeypadDigits);
}

}  // namespace rq
