#pragma once
// What the command channel needs from a playback engine. One file at a
// time; every call is cheap and never waits for the engine to catch up
// (seeks and play/pause are queued, queries answer the latest known state).

#include <cstdint>
#include <optional>
#include <string>

#include "platform/geometry.h"

namespace rq {

enum class EngineMode {
    Playing,
    Paused,   // paused, or parked after a seek
    Stopped,  // after "stop", or at the end of the file
};

enum class TimeUnit { Milliseconds, Frames };

// Handle of the device's own default window.
inline constexpr int kDefaultTarget = 0;

class PlaybackEngine {
  public:
    virtual ~PlaybackEngine() = default;

    // Opens a file by absolute path; false when it cannot be played.
    virtual bool open(const std::string& path) = 0;
    virtual void close() = 0;
    virtual bool is_open() const = 0;

    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    // Moves to `pos` in `unit` and stays paused there.
    virtual void seek(int64_t pos, TimeUnit unit) = 0;

    virtual int64_t position(TimeUnit unit) const = 0;
    virtual int64_t length(TimeUnit unit) const = 0;
    virtual EngineMode mode() const = 0;

    // Native picture size; nullopt for a file without a picture.
    virtual std::optional<Rect> native_size() const = 0;
    // Picture target by handle (kDefaultTarget: the engine's own window,
    // shown minimised when `minimized`) and the destination inside it.
    virtual void set_target(int handle, bool minimized) = 0;
    virtual void set_destination(const Rect& dest) = 0;

    // Linear amplitude per channel, 0..1.
    virtual void set_volume(double left, double right) = 0;
};

}  // namespace rq
