#include "transport/keyboard.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>

#include "core/player.h"
#include "media/index_marks.h"
#include "video/full_screen.h"
#include "video/layout.h"

namespace rq {

namespace {

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

void previous_mark(Player& p, int16_t comma) {
    // Marks move once per press of the key (and its auto-repeat), not on
    // every poll while it is down.
    if (!pressed(comma)) return;
    index_mark_step(p, MarkOp::Locate);
    index_mark_step(p, MarkOp::Previous);
    p.transport.index_back_ticks = std::min(p.transport.index_back_ticks + 20, 50);
}

void next_mark(Player& p, int16_t period) {
    if (!pressed(period)) return;
    index_mark_step(p, MarkOp::Locate);
    index_mark_step(p, MarkOp::Next);
}

void search_back(Player& p, int16_t) {
    p.transport.speed_step_request = -1;
}

void search_forward(Player& p, int16_t) {
    p.transport.speed_step_request = +1;
}

// Playing, the arrows skip entries (held, once per lock); paused, they search.
void skip_or_search(Player& p, int direction) {
    TransportState& t = p.transport;
    if (playing(p.device)) {
        t.key_lock_ticks = 7;
        t.pending_command = direction > 0 ? Command::Next : Command::Previous;
    } else if (paused(p.device)) {
        t.speed_step_request = direction;
    }
}

void right_arrow(Player& p, int16_t) {
    skip_or_search(p, +1);
}

void left_arrow(Player& p, int16_t) {
    skip_or_search(p, -1);
}

// The search keys, in order: the first row whose key (and Shift, where
// asked) is down takes the poll, and the rows below it are not looked at.
struct SearchKey {
    int key;
    bool with_shift;
    bool (*down)(int16_t);
    int flag;  // the bit it sets in key_flags
    void (*act)(Player&, int16_t key_state);
};
constexpr SearchKey kSearchKeys[] = {
    {vk::kOemComma, true, touched, 0, previous_mark},
    {vk::kOemComma, false, touched, 1, search_back},
    {vk::kRight, false, held, 2, right_arrow},
    {vk::kLeft, false, held, 4, left_arrow},
    {vk::kOemPeriod, true, touched, 0, next_mark},
    {vk::kOemPeriod, false, touched, 8, search_forward},
};

// Either key of a pair, held, steps the volume once per poll.
struct VolumeKeys {
    int keys[2];
    int direction;
};
constexpr VolumeKeys kVolumeKeys[] = {
    {{vk::letter('N'), vk::kOem4}, -1},
    {{vk::letter('M'), vk::kOem6}, +1},
};

// Picture size, a step per press: larger, smaller (full screen: the fit).
struct SizeKey {
    int key;
    int step;
};
constexpr SizeKey kSizeKeys[] = {{vk::letter('X'), +1}, {vk::letter('Z'), -1}};

// The keys read on every poll; the size keys are read only when no lock
// holds them, so a press made meanwhile still counts after it.
constexpr int kEveryPoll[] = {vk::kReturn,     vk::kMenu, vk::letter('N'), vk::kOem4,
                              vk::letter('M'), vk::kOem6, vk::kOemComma,   vk::kShift,
                              vk::kRight,      vk::kLeft, vk::kOemPeriod,  vk::kSpace};

// Each key is read once per poll: a second read would lose a press made
// since the previous poll, and a key read only now and then (Shift) would
// report presses long past.
class PolledKeys {
  public:
    explicit PolledKeys(KeyState& keys) {
        for (size_t i = 0; i < std::size(kEveryPoll); ++i)
            states_[i] = keys.query(kEveryPoll[i]);
    }
    int16_t operator[](int key) const {
        for (size_t i = 0; i < std::size(kEveryPoll); ++i)
            if (kEveryPoll[i] == key) return states_[i];
        return 0;
    }

  private:
    int16_t states_[std::size(kEveryPoll)] = {};
};

// One toggle per press of Alt+Enter, however long it is held.
void full_screen_keys(Player& p, const PolledKeys& keys) {
    TransportState& t = p.transport;
    const bool down = held(keys[vk::kReturn]) && held(keys[vk::kMenu]);
    if (down && t.key_lock_ticks == 0 && t.full_screen_keys_down == 0) {
        if (p.tick.fullscreen == 1)
            leave_full_screen(p);
        else
            enter_full_screen(p);
    }
    t.full_screen_keys_down = down ? 1 : 0;
}

int search_keys(Player& p, const PolledKeys& keys) {
    const bool shift = touched(keys[vk::kShift]);
    for (const SearchKey& k : kSearchKeys) {
        const int16_t state = keys[k.key];
        if (!k.down(state) || (k.with_shift && !shift)) continue;
        k.act(p, state);
        return k.flag;
    }
    return 0;
}

// A size step per press (and per auto-repeat): a key that is merely still
// down after the two-tick lock would step again within 60 ms.
void size_keys(Player& p) {
    int step = 0;
    for (const SizeKey& k : kSizeKeys)
        if (pressed(p.env.keys.query(k.key)) && step == 0) step = k.step;
    if (step == 0) return;
    if (p.tick.fullscreen == 1)
        step_fit_mode(p, step);
    else
        p.transport.pending_command = step > 0 ? Command::LargerPicture : Command::SmallerPicture;
    p.transport.key_lock_ticks = 2;
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

    // Inactive: every key is read and forgotten, so presses made meanwhile
    // never act later, and a search held by a key ends as if released.
    if (p.tick.window_active == 0 && p.tick.fullscreen == 0) {
        for (int key : kEveryPoll)
            (void)keys.query(key);
        for (const SizeKey& k : kSizeKeys)
            (void)keys.query(k.key);
        t.key_flags = 0;
        return t.key_flags;
    }

    const PolledKeys polled(keys);
    full_screen_keys(p, polled);
    for (const VolumeKeys& v : kVolumeKeys)
        if (held(polled[v.keys[0]]) || held(polled[v.keys[1]])) step_volume(p, v.direction);

    const int flags = search_keys(p, polled);

    if (held(polled[vk::kSpace]) && t.key_lock_ticks == 0) {
        t.key_lock_ticks = 5;
        const DeviceState& d = p.device;
        if (d.stopped == 0) t.pending_command = d.paused ? Command::Play : Command::Pause;
    }

    t.key_flags = flags;
    if (t.key_lock_ticks == 0) size_keys(p);
    return flags;
}

}  // namespace rq
