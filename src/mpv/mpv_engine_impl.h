#pragma once
// The inside of MpvEngine, shared by the calls of the GUI thread
// (mpv_engine.cpp) and the engine's own two threads (mpv_threads.cpp):
//  - the event thread is the only one that waits for libmpv events; it reads
//    the core's state back after every relevant event, so that queries are a
//    lock and a copy;
//  - the render thread renders after every update callback, because the core
//    stalls when nobody takes its frames.

#include <mpv/client.h>
#include <mpv/render.h>

#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "mpv/mpv_engine.h"
#include "platform/frame_sink.h"

namespace rq {

// Reply ids of asynchronous commands: seeks, and each open's "loadfile"
// (kLoadReply + the open's serial number); other commands use 0. Every
// command goes out asynchronously, because libmpv runs a synchronous
// command ahead of asynchronous ones still queued.
inline constexpr uint64_t kSeekReply = 1;
inline constexpr uint64_t kLoadReply = 1000;
// Reply id of the "current-ao" observation: which sound output plays.
inline constexpr uint64_t kSoundOutputObserved = 2;

// The core's state as last read back by the event thread.
struct CoreSnapshot {
    double time_pos = 0;  // seconds
    int64_t frame = 0;    // estimated-frame-number
    bool eof = false;     // eof-reached
    double duration = 0;  // seconds
};

// What the event thread has seen of the playlist entries it loaded.
struct LoadProgress {
    uint64_t reply_serial = 0;  // open whose "loadfile" was answered last
    int64_t reply_entry = -1;   // the entry it created; -1 when it failed
    int64_t started = -1;       // entry of the last start-file event
    int64_t loaded = -1;        // entry whose file-loaded event arrived
    int64_t ended = -1;         // entry of the last end-file event
};

struct AlignedFree {
    void operator()(uint8_t* p) const { std::free(p); }
};

struct MpvEngine::Impl {
    FrameSink* sink = nullptr;
    mpv_handle* mpv = nullptr;
    mpv_render_context* render = nullptr;
    std::thread event_thread;
    std::thread render_thread;

    // --- under `mutex`: the open file, the requests, the snapshot ---
    mutable std::mutex mutex;
    std::condition_variable load_cv;  // signalled when `progress` moves
    bool event_quit = false;
    LoadProgress progress;
    uint64_t open_serial = 0;
    bool open = false;
    double fps = 0;  // container frame rate; 0 without a picture
    std::optional<Rect> picture;
    CoreSnapshot core;
    bool want_pause = true;  // the last of play/pause/stop/seek asked to pause
    bool stopped = true;     // "stop", or just opened and not yet played
    // Parked by a seek and not played since. The exact seek put playback at
    // its target, which is then the position wherever the core reads back
    // something else: a paused sound-only file reads the target less the
    // sound buffer until it plays, and the last frame reads as the end.
    bool parked = false;
    int64_t parked_ms = 0;
    int64_t parked_frames = 0;
    // Seek commands sent and not yet answered; a seek target stands until a
    // playback restart arrives with none of them outstanding.
    int seeks_unanswered = 0;
    std::optional<int64_t> target_ms;
    std::optional<int64_t> target_frames;

    // --- under `render_mutex`: what the render thread renders, and where ---
    std::mutex render_mutex;
    std::condition_variable render_cv;
    bool render_quit = false;
    bool render_made = false;         // the render thread has made its context, or failed to
    bool update_pending = false;      // the core asked for mpv_render_context_update
    bool redraw_pending = false;      // size or target changed: render again
    bool presenting = false;          // a file with a picture is open
    uint64_t present_generation = 0;  // bumped when frames in flight become stale
    int target = kDefaultTarget;
    bool minimized = false;
    Rect dest;

    // Event thread only: whether the user asked for no sound, and whether
    // the player has said that no sound device plays since one last did.
    bool null_audio = false;
    bool told_no_sound = false;
    bool report_decoder = false;    // say on stderr which decoder each file gets
    bool decoder_reported = false;  // for the file now loading

    // Render thread only.
    std::unique_ptr<uint8_t, AlignedFree> buffer;
    size_t buffer_size = 0;
    GlFrameSink* gl = nullptr;  // set while the frames are drawn with OpenGL

    void event_loop();
    void note_decoder(const mpv_event_property* property);  // event thread
    void render_loop();
    // The render context, made on the render thread: OpenGL when the sink
    // can, else software. False when neither can be made.
    bool create_render_context();
    bool create_gl_context(GlFrameSink& candidate);
    void free_render_context();
    void render_software(const Rect& d, uint64_t generation, int target_handle, bool is_minimized);
    void render_gl(const Rect& d, uint64_t generation, int target_handle, bool is_minimized);
    // Reads the core's state; event thread only (it waits for the core).
    CoreSnapshot read_core() const;
    // Says once on stderr when libmpv fell back to no sound output.
    void note_sound_output(const mpv_event_property& change);
    void request_redraw();
    // Under `mutex`, with a file open.
    int64_t length_ms() const;
    int64_t length_frames() const;
    bool at_end() const;
};

// The core's "render again" callback; `ctx` is the Impl.
void mpv_update_callback(void* ctx);

int64_t ms_for_frames(int64_t frames, double fps);
int64_t frames_for_ms(int64_t ms, double fps);

}  // namespace rq
