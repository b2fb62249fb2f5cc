#pragma once
// The keyboard, polled on every timer tick, and the volume it steps.

#include <cstdint>

namespace rq {

class Player;

// Timer tick step (every 30 ms): held and touched keys become transport
// requests, volume steps and full-screen commands. Returns key_flags.
int poll_keyboard(Player& p);

// One channel step of the wave-out volume.
inline constexpr int kVolumeStep = 1129;

// One step down (direction < 0) or up, taken from the left channel and set
// on both; the face's volume knob follows.
void step_volume(Player& p, int direction);

// The volume knob (0..58) for a 32-bit two-channel volume: 74051160 is
// 4294967295 / 58.
constexpr int volume_knob_for(uint32_t volume) {
    return static_cast<int>(volume / 74051160u);
}

}  // namespace rq
