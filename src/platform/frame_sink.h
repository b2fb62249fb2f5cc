#pragma once
// Where a rendering engine delivers pictures: the picture target with the
// given handle paints the latest frame at the destination, black around it.
// Called from the engine's render thread; implementations hand the frame
// over to their own thread.

#include <cstddef>
#include <cstdint>
#include <functional>

#include "platform/playback_engine.h"

namespace rq {

// Where an engine draws its frames with OpenGL instead: on the screen
// directly when the target can show them, else off the screen (the frame
// is still taken, so playback never waits). Render thread only, unless
// said otherwise.
class GlFrameSink {
  public:
    // The display the windows are on, for the decoder's hardware interop.
    struct NativeDisplay {
        void* x11 = nullptr;      // an Xlib Display*
        void* wayland = nullptr;  // a wl_display*
    };
    struct Surface {
        unsigned fbo = 0;  // the framebuffer to draw into
        int w = 0, h = 0;
        bool flip_y = false;  // a window's framebuffer has its origin at the bottom
    };
    virtual ~GlFrameSink() = default;
    // Makes the thread's context current; false when no OpenGL context can be made.
    virtual bool make_current() = 0;
    virtual void* proc_address(const char* name) = 0;
    // The surface for a frame for picture target `handle` at `dest` (any
    // handle below 0: a frame that goes nowhere).
    virtual Surface begin_frame(int handle, bool minimized, const Rect& dest) = 0;
    // The frame is drawn: a window's goes to the screen; one for the
    // device's own window is read back and waits for present_read_back().
    virtual void end_frame() = 0;
    // The frame read back by the last end_frame() goes to its target. The
    // engine calls it only while that target is still the current one, so
    // that no frame reaches a target after it was cleared.
    virtual void present_read_back() = 0;
    // Before the thread ends, with nothing of the engine's left in the context.
    virtual void done_current() = 0;
    // Any thread: the engine to call when the frame must be drawn again
    // (the target was shown or resized); an empty function stops the calls.
    virtual void on_redraw(std::function<void()> redraw) = 0;
    // Any thread.
    virtual NativeDisplay native_display() const = 0;
};

class FrameSink {
  public:
    virtual ~FrameSink() = default;
    // `pixels`: B, G, R, unused per pixel, `stride` bytes per row, w x h,
    // rendered at the destination size in device pixels. Valid only during
    // the call.
    virtual void present_frame(int handle, bool minimized, const uint8_t* pixels, int w, int h,
                               int stride, const Rect& dest) = 0;
    // The file closed or the target changed: show black.
    virtual void clear(int handle) = 0;
    // Any thread: device pixels per pixel of a destination (2 on a screen
    // scaled 2x), so that a frame is rendered at the screen's resolution.
    virtual double pixel_ratio() const { return 1.0; }

    // Without a copy: a buffer of the sink's own for the next frame, w x h
    // in the layout above, its pointer and `*stride` multiples of 64, and
    // writable up to pointer + stride x h. It stays the engine's until
    // present_rendered() or the next call. Null: use present_frame().
    virtual uint8_t* frame_buffer(int w, int h, size_t* stride) {
        (void)w, (void)h, (void)stride;
        return nullptr;
    }
    // The frame rendered into the last frame_buffer() goes to the target.
    virtual void present_rendered(int handle, bool minimized, const Rect& dest) {
        (void)handle, (void)minimized, (void)dest;
    }

    // The sink's OpenGL side, when it has one.
    virtual GlFrameSink* gl() { return nullptr; }
};

}  // namespace rq
