// CPU time of one main tick of a playing player: with the full-screen pass
// (no face to compose) and with the face pass, on the simulated engine and
// on libmpv playing a real clip (made by ffmpeg; no sound device).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "mpv/mpv_engine.h"
#include "support/player_fixture.h"

namespace {

// The headless player of the tests on any engine.
struct TickPlayer : rq::test::HeadlessServices {
    explicit TickPlayer(rq::PlaybackEngine& engine)
        : mci(engine, cwd), volume(&engine, {}), life(env(mci, volume, cwd, dir.path())) {
        std::filesystem::copy_file(std::string(RQ_SOURCE_DIR) + "/data/RQ01.sys", dir / "RQ01.sys");
    }
    rq::test::TempDir dir;
    rq::VirtualWorkingDirectory cwd;
    rq::MciChannel mci;
    rq::WaveOutVolume volume;
    rq::PlayerLifecycle life;
    rq::Player& pw = life.player();
};

// Starts `clip` and times main ticks; `advance` moves a virtual clock.
template <typename Advance>
void run_ticks(benchmark::State& state, TickPlayer& t, const std::string& clip, bool full_screen,
               Advance advance) {
    t.life.on_create();
    t.life.init_dialog();
    t.pw.stores.path_list.insert_at(-1, clip);
    t.life.timer_tick();
    if (t.pw.device.stopped) {
        state.SkipWithError("the clip did not open");
        return;
    }
    if (full_screen) {
        t.pw.tick.fullscreen = 1;
        t.pw.windows().full_screen_input.create();
    }
    for (auto _ : state) {
        state.PauseTiming();
        advance();
        t.pw.tick.tick_divider = 0;
        state.ResumeTiming();
        t.life.timer_tick();
    }
}

void BM_MainTickSim(benchmark::State& state, bool full_screen) {
    rq::SimEngine engine;
    TickPlayer t(engine);
    const std::string clip = t.dir / "clip.mpg";
    rq::test::write_bytes(clip, "clip");
    engine.add_media(clip, {3600000, 25, rq::Rect{0, 0, 320, 240}});
    run_ticks(state, t, clip, full_screen, [&] { engine.advance(30); });
}
BENCHMARK_CAPTURE(BM_MainTickSim, full_screen_pass, true);
BENCHMARK_CAPTURE(BM_MainTickSim, face_pass, false);

void BM_MainTickMpv(benchmark::State& state, bool full_screen) {
    rq::MpvEngine engine(nullptr, true);
    TickPlayer t(engine);
    const std::string clip = t.dir / "clip.mpg";
    const std::string make =
        "ffmpeg -nostdin -v error -y -f lavfi -i "
        "testsrc=size=320x240:rate=25:duration=120 -c:v mpeg1video -f mpeg \"" +
        clip + "\"";
    if (std::system(make.c_str()) != 0) {
        state.SkipWithError("ffmpeg could not make the clip");
        return;
    }
    run_ticks(state, t, clip, full_screen, [] {});
}
BENCHMARK_CAPTURE(BM_MainTickMpv, full_screen_pass, true);
BENCHMARK_CAPTURE(BM_MainTickMpv, face_pass, false);

}  // namespace

BENCHMARK_MAIN();
