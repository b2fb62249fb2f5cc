#pragma once
// The stereo wave-out volume the player reads and writes: a 32-bit value,
// left channel in the low 16 bits, right in the high 16, each channel a
// linear amplitude (65535 is full). Applied to the engine on every set and
// remembered across runs like a system mixer.

#include <algorithm>
#include <cstdint>
#include <string>

namespace rq {

// One channel step of the volume: a pixel of the face's volume knob, a
// press of a volume key.
inline constexpr int kVolumeStep = 1129;
inline constexpr int kVolumeKnobMax = 58;  // pixels of the volume track

// The volume knob (0..58) for a 32-bit two-channel volume: 74051160 is
// 4294967295 / 58.
constexpr int volume_knob_for(uint32_t volume) {
    return static_cast<int>(volume / 74051160u);
}

// The volume for a knob position: the knob times one step in both channels.
constexpr uint32_t volume_for_knob(int knob) {
    const uint32_t channel =
        static_cast<uint32_t>(std::clamp(knob, 0, kVolumeKnobMax) * kVolumeStep);
    return channel | channel << 16;
}

class PlaybackEngine;

class WaveOutVolume {
  public:
    // `store_path` empty: not remembered. `engine` may be null.
    WaveOutVolume(PlaybackEngine* engine, std::string store_path);
    ~WaveOutVolume();

    uint32_t get() const { return value_; }
    void set(uint32_t value);
    // Re-applies the value, e.g. after the engine opened a new file.
    void apply() const;

    // The default place of the remembered value.
    static std::string default_store_path();

  private:
    PlaybackEngine* engine_;
    std::string store_path_;
    uint32_t value_ = 0xFFFFFFFFu;
    bool dirty_ = false;
};

}  // namespace rq
