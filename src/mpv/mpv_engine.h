#pragma once
// Playback on libmpv: rendering (OpenGL or software) on a thread of its
// own into the current picture target, asynchronous seeks, positions in
// milliseconds or frames. The only place that includes libmpv.

#include <memory>
#include <string>

#include "platform/playback_engine.h"

namespace rq {

class FrameSink;

class MpvEngine : public PlaybackEngine {
  public:
    // `sink` may be null (frames are rendered and dropped). `null_audio`
    // selects no sound device. `report_decoder`: say on stderr, once a
    // file, which decoder it got (hardware or software).
    MpvEngine(FrameSink* sink, bool null_audio, bool report_decoder = false);
    ~MpvEngine() override;

    bool open(const std::string& path) override;
    void close() override;
    bool is_open() const override;
    void play() override;
    void pause() override;
    void stop() override;
    void seek(int64_t pos, TimeUnit unit) override;
    int64_t position(TimeUnit unit) const override;
    int64_t length(TimeUnit unit) const override;
    EngineMode mode() const override;
    std::optional<Rect> native_size() const override;
    void set_target(int handle, bool minimized) override;
    void set_destination(const Rect& dest) override;
    void set_volume(double left, double right) override;

    // True from a seek until the engine reports the position it reached.
    bool seeking() const;

    struct Impl;

  private:
    std::unique_ptr<Impl> impl_;
};

// libmpv's volume for a linear amplitude per channel (0..1): its gain is
// cubic, so the louder channel's amplitude goes in as a cube root.
double mpv_volume_for(double left, double right);

}  // namespace rq
