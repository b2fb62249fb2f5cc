#include "transport/keyboard.h"

#include <algorithm>
#include <string>

#include "core/player.h"
#include "media/index_marks.h"
#include "video/full_screen.h"
#include "video/geometry.h"

namespace rq {

namespace {

// Every key the poll looks at.
constexpr int kPolledKeys[] = {vk::kReturn,     vk::kMenu,      vk::letter('N'), vk::kOem4,
                               vk::letter('M'), vk::kOem6,      vk::kOemComma,   vk::kShift,
                               vk::kRight,      vk::kLeft,      vk::kOemPeriod,  vk::kSpace,
                               vk::letter('X'), vk::letter('Z')};

bool held(int16_t state) {
    return (state & KeyState::kHeld) != 0;
}
// Held, or pressed since the previous poll.
bool touched(int16_t state) {
    return state != 0;
}
bool pressed(int16_t state) {
    return (state & KeyState::kPressedSinceQuery) != 0;
}

bool playing(const DeviceState& d) {
    return d.stopped == 0 && d.paused == 0;
}
bool paused(const DeviceState& d) {
    return d.stopped == 0 && d.paused == 1;
}

// X and Z in full screen: the fit changes under a paused picture, which
// then resumes as it was.
void step_fit_mode(Player& p, int direction) {
    int& fit = p.settings.fullscreen_fit_mode;
    p.send("pause movie");
    fit = std::clamp(fit + direction, 1, 5);
    layout(p);
    if (p.device.paused)
        p.send("seek movie to " + std::to_string(p.device.position));
    else
        p.send("play movie");
}

}  // namespace

void step_volume(Player& p, int direction) {
    const int q = static_cast<int>(p.env.volume.get() & 0xFFFFu) / kVolumeStep;
    const int v =
        direction < 0 ? std::max(q - 1, 0) * kVolumeStep : std::min((q + 1) * kVolumeStep, 0xFFFF);
    // The right channel follows the left: a step also balances them.
    const uint32_t both = static_cast<uint32_t>(v) * 65537u;
    p.env.volume.set(both);
    p.input.volume_knob = volume_knob_for(both);
}

int poll_keyboard(Player& p) {
    KeyState& keys = p.env.keys;
    TransportState& t = p.transport;
    const DeviceState& d = p.device;

    // Inactive: every key is read and forgotten, so presses made meanwhile
    // never act later, and a search held by a key ends as if released.
    if (p.tick.window_active == 0 && p.tick.fullscreen == 0) {
        for (int key : kPolledKeys)
            (void)keys.query(key);
        t.key_flags = 0;
        return t.key_flags;
    }

    // Each key is read once per poll: a second read would lose a press
    // made since the previous poll, and a key read only now and then
    // (Shift) would report presses long past.
    const int16_t enter = keys.query(vk::kReturn), alt = keys.query(vk::kMenu);
    const int16_t n = keys.query(vk::letter('N')), open_bracket = keys.query(vk::kOem4);
    const int16_t m = keys.query(vk::letter('M')), close_bracket = keys.query(vk::kOem6);
    const int16_t comma = keys.query(vk::kOemComma), shift = keys.query(vk::kShift);
    const int16_t right = keys.query(vk::kRight), left = keys.query(vk::kLeft);
    const int16_t period = keys.query(vk::kOemPeriod), space = keys.query(vk::kSpace);

    // One toggle per press of the pair, however long it is held.
    const bool full_screen_keys = held(enter) && held(alt);
    if (full_screen_keys && t.key_lock_ticks == 0 && t.full_screen_keys_down == 0) {
        if (p.tick.fullscreen == 1)
            leave_full_screen(p);
        else
            enter_full_screen(p);
    }
    t.full_screen_keys_down = full_screen_keys ? 1 : 0;

    if (held(n) || held(open_bracket)) step_volume(p, -1);
    if (held(m) || held(close_bracket)) step_volume(p, +1);

    int flags = 0;
    if (touched(comma) && touched(shift)) {
        // Marks move once per press of the key (and its auto-repeat), not
        // on every poll while it is down.
        if (pressed(comma)) {
            index_mark_step(p, MarkOp::Locate);
            index_mark_step(p, MarkOp::Previous);
            t.index_back_ticks = std::min(t.index_back_ticks + 20, 50);
        }
    } else if (touched(comma)) {
        flags |= 1;
        t.speed_step_request = -1;
    } else if (held(right)) {
        flags |= 2;
        if (playing(d)) {
            t.key_lock_ticks = 7;
            t.pending_command = Command::Next;
        } else if (paused(d)) {
            t.speed_step_request = +1;
        }
    } else if (held(left)) {
        flags |= 4;
        if (playing(d)) {
            t.key_lock_ticks = 7;
            t.pending_command = Command::Previous;
        } else if (paused(d)) {
            t.speed_step_request = -1;
        }
    } else if (touched(period) && touched(shift)) {
        if (pressed(period)) {
            index_mark_step(p, MarkOp::Locate);
            index_mark_step(p, MarkOp::Next);
        }
    } else if (touched(period)) {
        flags |= 8;
        t.speed_step_request = +1;
    }

    if (held(space) && t.key_lock_ticks == 0) {
        t.key_lock_ticks = 5;
        if (d.stopped == 0) t.pending_command = d.paused ? Command::Play : Command::Pause;
    }

    t.key_flags = flags;
    if (t.key_lock_ticks != 0) return flags;

    // A size step per press (and per auto-repeat): a key that is merely
    // still down after the two-tick lock would step again within 60 ms.
    const int16_t x = keys.query(vk::letter('X')), z = keys.query(vk::letter('Z'));
    const int size_step = pressed(x) ? +1 : pressed(z) ? -1 : 0;
    if (size_step != 0) {
        if (p.tick.fullscreen == 1)
            step_fit_mode(p, size_step);
        else
            t.pending_command = size_step > 0 ? Command::LargerPicture : Command::SmallerPicture;
        t.key_lock_ticks = 2;
    }
    return flags;
}

}  // namespace rq
