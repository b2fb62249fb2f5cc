#pragma once
// A deterministic playback engine for tests: a virtual clock that only moves
// when the test advances it, and media that the test registers by path.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/playback_engine.h"

namespace rq {

struct SimMedia {
    int64_t length_ms = 0;
    double frame_rate = 0;        // 0: no picture, frames equal milliseconds
    std::optional<Rect> picture;  // native size; nullopt for sound only
    // How long the file still reports "playing" once its position reached
    // the end, as a slow device does.
    int64_t end_lag_ms = 0;
};

class SimEngine : public PlaybackEngine {
  public:
    void add_media(const std::string& path, SimMedia media) { media_[path] = media; }
    // Moves the virtual clock; a playing file advances and stops at its end.
    void advance(int64_t ms);

    bool open(const std::string& path) override;
    void close() override;
    bool is_open() const override { return open_.has_value(); }
    void play() override;
    void pause() override;
    void stop() override;
    void seek(int64_t pos, TimeUnit unit) override;
    int64_t position(TimeUnit unit) const override;
    int64_t length(TimeUnit unit) const override;
    EngineMode mode() const override;
    std::optional<Rect> native_size() const override;
    void set_target(int handle, bool minimized) override;
    void set_destination(const Rect& dest) override { destination_ = dest; }
    void set_volume(double left, double right) override {
        volume_left_ = left;
        volume_right_ = right;
    }

    // What a test may look at.
    const std::string& open_path() const { return open_path_; }
    int target() const { return target_; }
    bool target_minimized() const { return target_minimized_; }
    const Rect& destination() const { return destination_; }
    double volume_left() const { return volume_left_; }
    double volume_right() const { return volume_right_; }
    int64_t position_ms() const { return position_ms_; }

  private:
    int64_t frames_for(int64_t ms) const;
    int64_t ms_for(int64_t frames) const;

    std::map<std::string, SimMedia> media_;
    std::optional<SimMedia> open_;
    std::string open_path_;
    int64_t position_ms_ = 0;
    int64_t past_end_ms_ = 0;  // playing time spent at the end
    EngineMode mode_ = EngineMode::Stopped;
    int target_ = kDefaultTarget;
    bool target_minimized_ = false;
    Rect destination_;
    double volume_left_ = 1, volume_right_ = 1;
};

}  // namespace rq
