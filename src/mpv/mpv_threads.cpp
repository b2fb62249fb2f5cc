// The engine's own threads: the event thread keeps the snapshot that the
// queries read, the render thread feeds the picture target.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>

#include <mpv/render_gl.h>

#include "mpv/mpv_engine_impl.h"

namespace rq {

namespace {

// Larger destinations are rendered at this size and scaled by the target,
// so a wild "put" cannot ask for gigabytes.
constexpr int kMaxRenderSide = 4096;

size_t aligned_stride(int w) {
    return (static_cast<size_t>(w) * 4 + 63) / 64 * 64;
}

// The playlist entry in the answer to "loadfile".
int64_t loaded_entry(const mpv_event* ev) {
    const auto* reply = static_cast<const mpv_event_command*>(ev->data);
    if (!reply || reply->result.format != MPV_FORMAT_NODE_MAP) return -1;
    const mpv_node_list* map = reply->result.u.list;
    for (int k = 0; k < map->num; ++k)
        if (std::string_view(map->keys[k]) == "playlist_entry_id" &&
            map->values[k].format == MPV_FORMAT_INT64)
            return map->values[k].u.int64;
    return -1;
}

}  // namespace

CoreSnapshot MpvEngine::Impl::read_core() const {
    CoreSnapshot s;
    double d = 0;
    int64_t i = 0;
    int flag = 0;
    if (mpv_get_property(mpv, "time-pos", MPV_FORMAT_DOUBLE, &d) >= 0) s.time_pos = d;
    if (mpv_get_property(mpv, "estimated-frame-number", MPV_FORMAT_INT64, &i) >= 0) s.frame = i;
    if (mpv_get_property(mpv, "eof-reached", MPV_FORMAT_FLAG, &flag) >= 0) s.eof = flag != 0;
    if (mpv_get_property(mpv, "duration", MPV_FORMAT_DOUBLE, &d) >= 0) s.duration = d;
    return s;
}

void MpvEngine::Impl::note_sound_output(const mpv_event_property& change) {
    // Between files the output is unavailable (no string): that says nothing.
    if (change.format != MPV_FORMAT_STRING || null_audio) return;
    const std::string_view output = *static_cast<const char* const*>(change.data);
    if (output != "null") {
        told_no_sound = false;
    } else if (!told_no_sound) {
        told_no_sound = true;
        std::fprintf(stderr, "rq810z: no sound device: playing without sound\n");
    }
}

void MpvEngine::Impl::event_loop() {
    for (;;) {
        bool refresh = false;
        bool settle = false;  // a seek finished (or failed) with none outstanding
        LoadProgress seen;
        {
            std::lock_guard lock(mutex);
            seen = progress;
        }
        // Take everything queued, then read the core back once.
        for (mpv_event* ev = mpv_wait_event(mpv, -1); ev->event_id != MPV_EVENT_NONE;
             ev = mpv_wait_event(mpv, 0)) {
            switch (ev->event_id) {
                case MPV_EVENT_SHUTDOWN:
                    return;
                case MPV_EVENT_START_FILE:
                    seen.started = static_cast<mpv_event_start_file*>(ev->data)->playlist_entry_id;
                    decoder_reported = false;
                    break;
                case MPV_EVENT_FILE_LOADED:
                    seen.loaded = seen.started;
                    refresh = true;
                    break;
                case MPV_EVENT_END_FILE:
                    seen.ended = static_cast<mpv_event_end_file*>(ev->data)->playlist_entry_id;
                    refresh = true;
                    break;
                case MPV_EVENT_COMMAND_REPLY:
                    if (ev->reply_userdata > kLoadReply) {
                        seen.reply_serial = ev->reply_userdata - kLoadReply;
                        seen.reply_entry = ev->error < 0 ? -1 : loaded_entry(ev);
                    } else if (ev->reply_userdata == kSeekReply) {
                        std::lock_guard lock(mutex);
                        if (seeks_unanswered > 0) --seeks_unanswered;
                        // A restart seen before this answer belonged to an older seek.
                        settle = ev->error < 0 && seeks_unanswered == 0;
                    }
                    break;
                case MPV_EVENT_PLAYBACK_RESTART: {
                    std::lock_guard lock(mutex);
                    if (seeks_unanswered == 0) settle = true;
                    refresh = true;
                    break;
                }
                case MPV_EVENT_PROPERTY_CHANGE:
                    if (ev->reply_userdata == kSoundOutputObserved) {
                        note_sound_output(*static_cast<mpv_event_property*>(ev->data));
                    } else {
                        note_decoder(static_cast<const mpv_event_property*>(ev->data));
                        refresh = true;
                    }
                    break;
                default:
                    break;
            }
        }
        CoreSnapshot snap;
        if (refresh) snap = read_core();
        std::lock_guard lock(mutex);
        if (event_quit) return;
        if (refresh) core = snap;
        if (settle && seeks_unanswered == 0) {
            target_ms.reset();
            target_frames.reset();
        }
        progress = seen;
        load_cv.notify_all();
    }
}

void MpvEngine::Impl::note_decoder(const mpv_event_property* property) {
    // Known once the first frame is decoded; unavailable (no format) before.
    if (decoder_reported || !property || property->format != MPV_FORMAT_STRING ||
        std::string_view(property->name) != "hwdec-current")
        return;
    decoder_reported = true;
    const char* decoder = *static_cast<const char* const*>(property->data);
    char* file = mpv_get_property_string(mpv, "filename");
    std::fprintf(stderr, "rq810z: %s: decoded by %s\n", file ? file : "?",
                 std::string_view(decoder) == "no" ? "software" : decoder);
    mpv_free(file);
}

void MpvEngine::Impl::request_redraw() {
    redraw_pending = true;
    render_cv.notify_one();
}

namespace {

void* gl_proc_address(void* ctx, const char* name) {
    return static_cast<GlFrameSink*>(ctx)->proc_address(name);
}

}  // namespace

bool MpvEngine::Impl::create_gl_context(GlFrameSink& candidate) {
    char api[] = MPV_RENDER_API_TYPE_OPENGL;
    mpv_opengl_init_params init{gl_proc_address, &candidate};
    // The windows' display, so hardware-decoded frames can stay on the graphics processor.
    const GlFrameSink::NativeDisplay display = candidate.native_display();
    mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, api},
                                 {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &init},
                                 {MPV_RENDER_PARAM_INVALID, nullptr},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (display.x11)
        params[2] = {MPV_RENDER_PARAM_X11_DISPLAY, display.x11};
    else if (display.wayland)
        params[2] = {MPV_RENDER_PARAM_WL_DISPLAY, display.wayland};
    if (mpv_render_context_create(&render, mpv, params) < 0) {
        render = nullptr;
        candidate.done_current();
        std::fprintf(stderr, "rq810z: libmpv cannot draw with OpenGL here; drawing in software\n");
        return false;
    }
    gl = &candidate;
    gl->on_redraw([this] {
        std::lock_guard lock(render_mutex);
        request_redraw();
    });
    return true;
}

bool MpvEngine::Impl::create_render_context() {
    GlFrameSink* candidate = sink ? sink->gl() : nullptr;
    if (candidate && candidate->make_current()) create_gl_context(*candidate);
    if (!render) {
        char api[] = MPV_RENDER_API_TYPE_SW;
        mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, api},
                                     {MPV_RENDER_PARAM_INVALID, nullptr}};
        if (mpv_render_context_create(&render, mpv, params) < 0) {
            std::fprintf(stderr, "rq810z: the libmpv software renderer is not available\n");
            render = nullptr;
            return false;
        }
    }
    mpv_render_context_set_update_callback(render, mpv_update_callback, this);
    return true;
}

void MpvEngine::Impl::free_render_context() {
    if (gl) gl->on_redraw(nullptr);
    if (render) mpv_render_context_free(render);
    render = nullptr;
    if (gl) gl->done_current();
    gl = nullptr;
}

void MpvEngine::Impl::render_software(const Rect& d, uint64_t generation, int target_handle,
                                      bool is_minimized) {
    // An empty destination still renders (1 x 1), so the core never waits.
    const double ratio = sink ? sink->pixel_ratio() : 1.0;
    auto device = [ratio](int side) {
        return std::clamp(static_cast<int>(std::lround(side * ratio)), 1, kMaxRenderSide);
    };
    int size[2] = {device(d.w), device(d.h)};
    size_t stride = aligned_stride(size[0]);
    // Straight into the sink's buffer when it lends one, else ours.
    uint8_t* pixels = sink ? sink->frame_buffer(size[0], size[1], &stride) : nullptr;
    const bool lent = pixels != nullptr;
    if (!lent) {
        stride = aligned_stride(size[0]);
        const size_t bytes = stride * static_cast<size_t>(size[1]);
        if (bytes > buffer_size) {
            buffer.reset(static_cast<uint8_t*>(std::aligned_alloc(64, bytes)));
            buffer_size = buffer ? bytes : 0;
        }
        pixels = buffer.get();
    }
    if (!pixels) return;
    char format[] = "bgr0";
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_SW_SIZE, size},      {MPV_RENDER_PARAM_SW_FORMAT, format},
        {MPV_RENDER_PARAM_SW_STRIDE, &stride}, {MPV_RENDER_PARAM_SW_POINTER, pixels},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_render(render, params) < 0 || !sink) return;
    // Under the lock: a target cleared meanwhile gets no frame after its clear.
    std::lock_guard lock(render_mutex);
    if (!presenting || generation != present_generation || d.w <= 0 || d.h <= 0) return;
    if (lent)
        sink->present_rendered(target_handle, is_minimized, d);
    else
        sink->present_frame(target_handle, is_minimized, pixels, size[0], size[1],
                            static_cast<int>(stride), d);
}

void MpvEngine::Impl::render_gl(const Rect& d, uint64_t generation, int target_handle,
                                bool is_minimized) {
    // Frames of a closed file or of a former target are not shown.
    auto current = [&] {
        return presenting && generation == present_generation && d.w > 0 && d.h > 0;
    };
    bool show;
    {
        std::lock_guard lock(render_mutex);
        show = current();
    }
    const GlFrameSink::Surface s = gl->begin_frame(show ? target_handle : -1, is_minimized, d);
    mpv_opengl_fbo fbo{static_cast<int>(s.fbo), std::max(s.w, 1), std::max(s.h, 1), 0};
    int flip = s.flip_y ? 1 : 0;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
                                 {MPV_RENDER_PARAM_FLIP_Y, &flip},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    mpv_render_context_render(render, params);
    gl->end_frame();
    // Under the lock, as in software: a target cleared meanwhile gets no
    // frame after its clear (the device's own window would come back).
    std::lock_guard lock(render_mutex);
    if (current()) gl->present_read_back();
}

void MpvEngine::Impl::render_loop() {
    const bool made = create_render_context();
    std::unique_lock lock(render_mutex);
    render_made = true;
    render_cv.notify_all();
    if (!made) return;
    for (;;) {
        render_cv.wait(lock, [&] { return render_quit || update_pending || redraw_pending; });
        if (render_quit) break;
        const bool update = std::exchange(update_pending, false);
        const bool redraw = std::exchange(redraw_pending, false);
        const Rect d = dest;
        const uint64_t generation = present_generation;
        const int target_handle = target;
        const bool is_minimized = minimized;
        lock.unlock();

        const uint64_t flags = update ? mpv_render_context_update(render) : 0;
        if ((flags & MPV_RENDER_UPDATE_FRAME) || redraw) {
            if (gl)
                render_gl(d, generation, target_handle, is_minimized);
            else
                render_software(d, generation, target_handle, is_minimized);
        }
        lock.lock();
    }
    lock.unlock();
    free_render_context();
}

}  // namespace rq
