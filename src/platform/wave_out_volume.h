#pragma once
// The stereo wave-out volume the player reads and writes: a 32-bit value,
// left channel in the low 16 bits, right in the high 16, each channel a
// linear amplitude (65535 is full). Applied to the engine on every set and
// remembered across runs like a system mixer.

#include <cstdint>
#include <string>

namespace rq {

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
