#include "mpv/mpv_engine.h"

#include <alsa/asoundlib.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "mpv/mpv_engine_impl.h"

namespace rq {

namespace {

// How long an open waits for the file to load before it gives up. The face
// waits with it: a file that takes longer counts as one that does not open.
constexpr auto kLoadTimeout = std::chrono::milliseconds(1500);
// A file that begins with this many zero bytes has no header to find: a
// download that never got its first part, or space a downloader set aside.
// Probing a gigabyte of zeros keeps libmpv busy for seconds.
constexpr size_t kZeroHeadBytes = 65536;
// Seek a hair before the frame's time, so rounding never skips to the next frame.
constexpr double kSeekLead = 1e-4;

struct Option {
    const char* name;
    const char* value;
};

// The player, not libmpv, decides what plays next, what is drawn on the
// picture and which keys do what.
constexpr Option kOptions[] = {
    {"vo", "libmpv"},
    {"keep-open", "always"},
    {"audio-display", "no"},
    {"keepaspect", "no"},
    // FFmpeg's MPEG-PS demuxer lands past the target without a run-up.
    {"hr-seek-demuxer-offset", "1"},
    {"idle", "yes"},
    {"pause", "yes"},
    {"osd-level", "0"},
    {"osd-bar", "no"},
    {"sub-auto", "no"},
    {"sid", "no"},
    {"input-default-bindings", "no"},
    {"input-vo-keyboard", "no"},
    {"osc", "no"},
    {"load-scripts", "no"},
    // libmpv's own scripts each run a Lua thread that wakes on every
    // property change; the player shows none of them.
    {"load-stats-overlay", "no"},
    {"load-osd-console", "no"},
    {"load-auto-profiles", "no"},
    {"ytdl", "no"},
    {"audio-fallback-to-null", "yes"},
    {"audio-client-name", "RQ810Z"},
};

void set_flag_async(mpv_handle* mpv, const char* name, bool value) {
    int flag = value ? 1 : 0;
    mpv_set_property_async(mpv, 0, name, MPV_FORMAT_FLAG, &flag);
}

std::optional<int64_t> get_int(mpv_handle* mpv, const char* name) {
    int64_t v = 0;
    if (mpv_get_property(mpv, name, MPV_FORMAT_INT64, &v) < 0) return std::nullopt;
    return v;
}

double get_double(mpv_handle* mpv, const char* name) {
    double v = 0;
    if (mpv_get_property(mpv, name, MPV_FORMAT_DOUBLE, &v) < 0 || !std::isfinite(v)) return 0;
    return v;
}

void quiet_alsa(const char*, int, const char*, int, const char*, ...) {}

bool get_flag(mpv_handle* mpv, const char* name) {
    int v = 0;
    return mpv_get_property(mpv, name, MPV_FORMAT_FLAG, &v) >= 0 && v != 0;
}

}  // namespace

void mpv_update_callback(void* ctx) {
    auto* impl = static_cast<MpvEngine::Impl*>(ctx);
    std::lock_guard lock(impl->render_mutex);
    impl->update_pending = true;
    impl->render_cv.notify_one();
}

namespace {

int64_t to_ms(double seconds) {
    return std::isfinite(seconds) ? std::llround(seconds * 1000.0) : 0;
}

}  // namespace

int64_t ms_for_frames(int64_t frames, double fps) {
    if (fps <= 0) return frames;
    return static_cast<int64_t>(std::ceil(static_cast<double>(frames) * 1000.0 / fps - 1e-9));
}

int64_t frames_for_ms(int64_t ms, double fps) {
    if (fps <= 0) return ms;
    return static_cast<int64_t>(std::floor(static_cast<double>(ms) * fps / 1000.0 + 1e-9));
}

int64_t MpvEngine::Impl::length_ms() const {
    return to_ms(core.duration);
}

int64_t MpvEngine::Impl::length_frames() const {
    return fps > 0 ? std::llround(core.duration * fps) : length_ms();
}

bool MpvEngine::Impl::at_end() const {
    return parked ? parked_ms >= length_ms() : core.eof;
}

double mpv_volume_for(double left, double right) {
    double a = std::max(left, right);
    if (!(a > 0)) return 0;  // also NaN
    return 100.0 * std::cbrt(std::min(a, 1.0));
}

MpvEngine::MpvEngine(FrameSink* sink, bool null_audio, bool report_decoder)
    : impl_(std::make_unique<Impl>()) {
    Impl& m = *impl_;
    m.sink = sink;
    m.report_decoder = report_decoder;
    m.mpv = mpv_create();
    if (!m.mpv) {
        std::fprintf(stderr, "rq810z: libmpv could not be created\n");
        return;
    }
    for (const Option& o : kOptions)
        mpv_set_option_string(m.mpv, o.name, o.value);
    m.null_audio = null_audio;
    if (null_audio) mpv_set_option_string(m.mpv, "ao", "null");
    // Without a sound card libasound prints a dozen lines for every file
    // (libmpv and SDL both try it); the player says it in one.
    else
        snd_lib_error_set_handler(quiet_alsa);
    if (mpv_initialize(m.mpv) < 0) {
        std::fprintf(stderr, "rq810z: libmpv could not be initialised\n");
        mpv_terminate_destroy(m.mpv);
        m.mpv = nullptr;
        return;
    }
    for (const char* name : {"time-pos", "eof-reached", "duration"})
        mpv_observe_property(m.mpv, 0, name, MPV_FORMAT_NONE);
    mpv_observe_property(m.mpv, kSoundOutputObserved, "current-ao", MPV_FORMAT_STRING);
    if (report_decoder) mpv_observe_property(m.mpv, 0, "hwdec-current", MPV_FORMAT_STRING);

    m.render_thread = std::thread([&m] { m.render_loop(); });
    {
        // A file loaded before the render context exists gets no video output.
        std::unique_lock lock(m.render_mutex);
        m.render_cv.wait(lock, [&m] { return m.render_made; });
    }
    // Frames decoded by the graphics processor stay there when OpenGL draws
    // them; for the software renderer they are copied back.
    mpv_set_property_string(m.mpv, "hwdec", m.gl ? "auto-safe" : "auto-copy-safe");
    m.event_thread = std::thread([&m] { m.event_loop(); });
}

MpvEngine::~MpvEngine() {
    Impl& m = *impl_;
    if (!m.mpv) return;
    if (m.render_thread.joinable()) {
        {
            std::lock_guard lock(m.render_mutex);
            m.render_quit = true;
            m.render_cv.notify_one();
        }
        m.render_thread.join();
    }
    {
        std::lock_guard lock(m.mutex);
        m.event_quit = true;
    }
    mpv_wakeup(m.mpv);
    m.event_thread.join();
    mpv_terminate_destroy(m.mpv);
}

namespace {

// Whether the file can be media at all: a regular file that is not empty
// and does not begin with kZeroHeadBytes zeros.
bool worth_loading(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool worth = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0;
    if (worth && static_cast<size_t>(st.st_size) >= kZeroHeadBytes) {
        std::vector<char> head(kZeroHeadBytes);
        const ssize_t n = pread(fd, head.data(), head.size(), 0);
        worth =
            n <= 0 || std::any_of(head.begin(), head.begin() + n, [](char c) { return c != 0; });
    }
    ::close(fd);
    return worth;
}

}  // namespace

namespace {

// Loads the file and waits until libmpv has it or gives up; whether it loaded.
bool load_file(MpvEngine::Impl& m, const std::string& path) {
    uint64_t serial = 0;
    {
        std::lock_guard lock(m.mutex);
        serial = ++m.open_serial;
    }
    // A file opens paused, whatever the last one was doing.
    set_flag_async(m.mpv, "pause", true);
    const char* load[] = {"loadfile", path.c_str(), "replace", nullptr};
    if (mpv_command_async(m.mpv, kLoadReply + serial, load) < 0) return false;
    std::unique_lock lock(m.mutex);
    const LoadProgress& p = m.progress;
    auto answered = [&] { return p.reply_serial == serial; };
    auto taken_up = [&] {
        return answered() &&
               (p.reply_entry < 0 || p.started >= p.reply_entry || p.ended >= p.reply_entry);
    };
    auto settled = [&] {
        return answered() &&
               (p.reply_entry < 0 || p.loaded == p.reply_entry || p.ended == p.reply_entry);
    };
    // A file given up on may still hold libmpv for a while (probing
    // cannot stop mid-way): this file's time starts when it is taken up.
    m.load_cv.wait_for(lock, kLoadTimeout, taken_up);
    m.load_cv.wait_for(lock, kLoadTimeout, settled);
    return answered() && p.reply_entry >= 0 && p.loaded == p.reply_entry &&
           p.ended != p.reply_entry;
}

}  // namespace

bool MpvEngine::open(const std::string& path) {
    Impl& m = *impl_;
    if (!m.mpv || path.empty()) return false;
    if (is_open()) close();
    // Only a regular file can be media: libmpv would wait forever on a FIFO
    // with no writer, read a device without end, or play a folder's files.
    if (!worth_loading(path)) return false;
    const bool loaded = load_file(m, path);
    // A file with no track that plays is no media file.
    const bool has_video = get_int(m.mpv, "current-tracks/video/id").has_value() &&
                           !get_flag(m.mpv, "current-tracks/video/albumart");
    const bool has_audio = get_int(m.mpv, "current-tracks/audio/id").has_value();
    if (!loaded || (!has_video && !has_audio)) {
        const char* stop[] = {"stop", nullptr};
        mpv_command_async(m.mpv, 0, stop);
        return false;
    }

    std::optional<Rect> picture;
    double fps = 0;
    if (has_video) {
        auto w = get_int(m.mpv, "current-tracks/video/demux-w");
        auto h = get_int(m.mpv, "current-tracks/video/demux-h");
        if (w && h && *w > 0 && *h > 0)
            picture = Rect{0, 0, static_cast<int>(*w), static_cast<int>(*h)};
        fps = get_double(m.mpv, "container-fps");
        if (fps <= 0) fps = get_double(m.mpv, "current-tracks/video/demux-fps");
    }
    const double duration = get_double(m.mpv, "duration");
    {
        std::lock_guard lock(m.mutex);
        m.open = true;
        m.fps = picture ? fps : 0;
        m.picture = picture;
        m.core = CoreSnapshot{};
        m.core.duration = duration;
        m.want_pause = true;
        m.stopped = true;
        m.parked = false;
        m.target_ms.reset();
        m.target_frames.reset();
    }
    {
        std::lock_guard lock(m.render_mutex);
        m.presenting = picture.has_value();
        ++m.present_generation;
        m.target = kDefaultTarget;
        m.minimized = false;
        m.dest = picture.value_or(Rect{});
        m.request_redraw();
    }
    return true;
}

void MpvEngine::close() {
    Impl& m = *impl_;
    {
        std::lock_guard lock(m.mutex);
        if (!m.open) return;
        m.open = false;
        m.picture.reset();
        m.target_ms.reset();
        m.target_frames.reset();
    }
    const char* stop[] = {"stop", nullptr};
    mpv_command_async(m.mpv, 0, stop);
    std::lock_guard lock(m.render_mutex);
    m.presenting = false;
    ++m.present_generation;
    if (m.sink) m.sink->clear(m.target);
}

bool MpvEngine::is_open() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->open;
}

namespace {

// A play, pause or stop request: the engine's own state under the lock,
// then the core's pause flag. Nothing happens without an open file.
template <typename Update>
void request_pause(MpvEngine::Impl& m, bool pause, Update update) {
    {
        std::lock_guard lock(m.mutex);
        if (!m.open) return;
        m.want_pause = pause;
        update();
    }
    set_flag_async(m.mpv, "pause", pause);
}

}  // namespace

void MpvEngine::play() {
    request_pause(*impl_, false, [m = impl_.get()] {
        m->stopped = false;
        m->parked = false;
    });
}

// Pausing a stopped device leaves it stopped.
void MpvEngine::pause() {
    request_pause(*impl_, true, [] {});
}

void MpvEngine::stop() {
    request_pause(*impl_, true, [m = impl_.get()] { m->stopped = true; });
}

void MpvEngine::seek(int64_t pos, TimeUnit unit) {
    Impl& m = *impl_;
    double seconds = 0;
    {
        std::lock_guard lock(m.mutex);
        if (!m.open) return;
        const int64_t length_ms = m.length_ms();
        const int64_t length_frames = m.length_frames();
        int64_t ms = 0;
        int64_t frames = 0;
        if (unit == TimeUnit::Frames && m.fps > 0) {
            frames = std::clamp<int64_t>(pos, 0, length_frames);
            ms = std::min(ms_for_frames(frames, m.fps), length_ms);
            seconds = static_cast<double>(frames) / m.fps;
        } else {
            ms = std::clamp<int64_t>(pos, 0, length_ms);
            frames = frames_for_ms(ms, m.fps);
            seconds = static_cast<double>(ms) / 1000.0;
        }
        m.target_ms = ms;
        m.target_frames = frames;
        m.parked = true;
        m.parked_ms = ms;
        m.parked_frames = frames;
        ++m.seeks_unanswered;
        m.want_pause = true;
        m.stopped = false;
    }
    char arg[32];
    std::snprintf(arg, sizeof arg, "%.6f", std::max(0.0, seconds - kSeekLead));
    set_flag_async(m.mpv, "pause", true);
    const char* cmd[] = {"seek", arg, "absolute+exact", nullptr};
    if (mpv_command_async(m.mpv, kSeekReply, cmd) < 0) {
        std::lock_guard lock(m.mutex);
        --m.seeks_unanswered;
        if (m.seeks_unanswered == 0) {
            m.target_ms.reset();
            m.target_frames.reset();
        }
    }
}

int64_t MpvEngine::position(TimeUnit unit) const {
    const Impl& m = *impl_;
    std::lock_guard lock(m.mutex);
    if (!m.open) return 0;
    const bool frames = unit == TimeUnit::Frames && m.fps > 0;
    if (m.target_ms) return frames ? *m.target_frames : *m.target_ms;
    if (m.at_end()) return frames ? m.length_frames() : m.length_ms();
    if (m.parked && (!m.picture || m.core.eof)) return frames ? m.parked_frames : m.parked_ms;
    if (frames) return std::clamp<int64_t>(m.core.frame, 0, m.length_frames());
    return std::clamp<int64_t>(to_ms(m.core.time_pos), 0, m.length_ms());
}

int64_t MpvEngine::length(TimeUnit unit) const {
    const Impl& m = *impl_;
    std::lock_guard lock(m.mutex);
    if (!m.open) return 0;
    return unit == TimeUnit::Frames ? m.length_frames() : m.length_ms();
}

EngineMode MpvEngine::mode() const {
    const Impl& m = *impl_;
    std::lock_guard lock(m.mutex);
    if (!m.open || m.stopped) return EngineMode::Stopped;
    // The end counts only once no seek is on its way.
    if (!m.target_ms && m.at_end()) return EngineMode::Stopped;
    return m.want_pause ? EngineMode::Paused : EngineMode::Playing;
}

bool MpvEngine::seeking() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->target_ms.has_value();
}

std::optional<Rect> MpvEngine::native_size() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->open ? impl_->picture : std::nullopt;
}

void MpvEngine::set_target(int handle, bool minimized) {
    Impl& m = *impl_;
    std::lock_guard lock(m.render_mutex);
    if (handle == m.target && minimized == m.minimized) return;
    if (handle != m.target) {
        if (m.sink) m.sink->clear(m.target);
        ++m.present_generation;
    }
    m.target = handle;
    m.minimized = minimized;
    if (m.presenting) m.request_redraw();
}

void MpvEngine::set_destination(const Rect& dest) {
    Impl& m = *impl_;
    std::lock_guard lock(m.render_mutex);
    if (dest == m.dest) return;
    m.dest = dest;
    if (m.presenting) m.request_redraw();
}

void MpvEngine::set_volume(double left, double right) {
    Impl& m = *impl_;
    if (!m.mpv) return;
    double volume = mpv_volume_for(left, right);
    mpv_set_property_async(m.mpv, 0, "volume", MPV_FORMAT_DOUBLE, &volume);
}

}  // namespace rq
