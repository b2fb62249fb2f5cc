// The engine's own threads: the event thread keeps the snapshot that the
// queries read, the render thread feeds the picture target.
#include <algorithm>
#include <cstring>
#include <string_view>
#include <utility>

#include "platform/mpv_engine_impl.h"

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
                    refresh = true;
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

void MpvEngine::Impl::request_redraw() {
    redraw_pending = true;
    render_cv.notify_one();
}

void MpvEngine::Impl::render_loop() {
    std::unique_lock lock(render_mutex);
    for (;;) {
        render_cv.wait(lock, [&] { return render_quit || update_pending || redraw_pending; });
        if (render_quit) return;
        const bool update = std::exchange(update_pending, false);
        const bool redraw = std::exchange(redraw_pending, false);
        const Rect d = dest;
        const uint64_t generation = present_generation;
        lock.unlock();

        const uint64_t flags = update ? mpv_render_context_update(render) : 0;
        if ((flags & MPV_RENDER_UPDATE_FRAME) || redraw) {
            // An empty destination still renders (1 x 1), so the core never waits.
            int size[2] = {std::clamp(d.w, 1, kMaxRenderSide), std::clamp(d.h, 1, kMaxRenderSide)};
            size_t stride = aligned_stride(size[0]);
            size_t bytes = stride * static_cast<size_t>(size[1]);
            if (bytes > buffer_size) {
                buffer.reset(static_cast<uint8_t*>(std::aligned_alloc(64, bytes)));
                buffer_size = buffer ? bytes : 0;
            }
            if (buffer) {
                char format[] = "bgr0";
                mpv_render_param params[] = {
                    {MPV_RENDER_PARAM_SW_SIZE, size},
                    {MPV_RENDER_PARAM_SW_FORMAT, format},
                    {MPV_RENDER_PARAM_SW_STRIDE, &stride},
                    {MPV_RENDER_PARAM_SW_POINTER, buffer.get()},
                    {MPV_RENDER_PARAM_INVALID, nullptr},
                };
                bool ok = mpv_render_context_render(render, params) >= 0;
                lock.lock();
                // Frames of a closed file or of a former target are dropped.
                if (ok && sink && presenting && generation == present_generation && d.w > 0 &&
                    d.h > 0)
                    sink->present_frame(target, minimized, buffer.get(), size[0], size[1],
                                        static_cast<int>(stride), d);
                continue;
            }
        }
        lock.lock();
    }
}

}  // namespace rq
