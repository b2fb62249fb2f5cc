// One face pass's composition (every step of the face, the title's staging
// below the visible face included) against a bare copy of the 407 x 93
// pixels the window shows. The drawing passes make their blits run every
// time; the idle pass is the stopped face unchanged, whose blits do not run.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench_player.h"
#include "media/open_entry.h"
#include "skin/skin_setup.h"
#include "transport/face_pass.h"

namespace {

// The built-in skin and one entry, a sound file of an hour.
struct BenchPlayer : rq::bench::BenchPlayer {
    BenchPlayer() {
        engine.add_media("/bench/Morning Light.mp3", {3725000, 0, std::nullopt});
        rq::build_skin_surfaces(pw.skin, "/bench/", "");
        pw.stores.path_list.insert_at(-1, "/bench/Morning Light.mp3");
        pw.playlist.entry_count = 1;
    }
};

// Stopped with the badge on: what the face does most of the time.
void BM_FacePassStopped(benchmark::State& state) {
    BenchPlayer b;
    b.pw.device.stopped = 1;
    for (auto _ : state) {
        b.pw.face.blits.forget();
        rq::compose_face(b.pw);
        benchmark::DoNotOptimize(b.pw.skin.face_buffer.bits);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FacePassStopped);

// Everything at once: a file playing and searching back with the shuttle,
// every button lit, lamps, the title scrolling, the title field in its own
// mode with the knob fading over it, the badge falling, the window inactive.
void BM_FacePassBusy(benchmark::State& state) {
    BenchPlayer b;
    rq::Player& pw = b.pw;
    rq::open_current_entry(pw);
    pw.media.audio_info_valid = 1;
    pw.media.bitrate_digits = {1, 2, 8};
    pw.media.sample_rate_digits = {4, 4};
    pw.settings.shuffle = 1;
    pw.settings.title_field_mode = 1;
    pw.transport.ab_state = rq::AbState::Looping;
    pw.input.title_hover = 1;
    pw.input.seek_knob = 100;
    pw.input.volume_knob = 30;
    pw.tick.window_active = 0;
    pw.geometry.zoom_percent = 200;
    pw.geometry.zoom_display_ticks = 1 << 30;
    pw.settings.time_display_mode = 2;
    pw.media.title_scroll_started = 1;
    for (auto _ : state) {
        pw.transport.button_timers.fill(1);
        pw.transport.button_timers[rq::button::kSearchBack] = 0;
        pw.transport.button_timers[rq::button::kSearchForward] = 0;
        pw.transport.dial_mode = 2;
        pw.transport.shuttle_speed = -4;
        pw.transport.shuttle_alpha = -100;
        pw.device.speed_index = -4;
        pw.face.badge_offset = {10, 20};
        pw.face.badge_falling = 3;
        pw.settings.badge_gone = 0;
        pw.face.blits.forget();
        rq::compose_face(pw);
        benchmark::DoNotOptimize(pw.skin.face_buffer.bits);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FacePassBusy);

// Playing with the title scrolling past the dropped badge: the usual
// pass while a file plays.
void BM_FacePassPlaying(benchmark::State& state) {
    BenchPlayer b;
    rq::Player& pw = b.pw;
    rq::open_current_entry(pw);
    pw.settings.badge_gone = 1;
    pw.media.title_scroll_started = 1;
    pw.input.volume_knob = 30;
    for (auto _ : state) {
        pw.face.blits.forget();
        rq::compose_face(pw);
        benchmark::DoNotOptimize(pw.skin.face_buffer.bits);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FacePassPlaying);

// The same stopped face pass after pass: nothing changes, nothing is drawn.
void BM_FacePassIdle(benchmark::State& state) {
    BenchPlayer b;
    b.pw.device.stopped = 1;
    for (int i = 0; i < 20; ++i)  // the shuttle's dot fades out
        rq::compose_face(b.pw);
    for (auto _ : state) {
        rq::compose_face(b.pw);
        benchmark::DoNotOptimize(b.pw.face.drawn);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FacePassIdle);

void BM_FaceBareCopy(benchmark::State& state) {
    std::vector<uint8_t> from(407 * 93 * 3, 1), to(407 * 93 * 3);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FaceBareCopy);

}  // namespace

BENCHMARK_MAIN();
