#pragma once
// Where a rendering engine delivers pictures: the picture target with the
// given handle paints the latest frame at the destination, black around it.
// Called from the engine's render thread; implementations hand the frame
// over to their own thread.

#include <cstdint>

#include "platform/playback_engine.h"

namespace rq {

class FrameSink {
  public:
    virtual ~FrameSink() = default;
    // `pixels`: B, G, R, unused per pixel, `stride` bytes per row, w x h,
    // rendered at the destination size. Valid only during the call.
    virtual void present_frame(int handle, bool minimized, const uint8_t* pixels, int w, int h,
                               int stride, const Rect& dest) = 0;
    // The file closed or the target changed: show black.
    virtual void clear(int handle) = 0;
};

}  // namespace rq
