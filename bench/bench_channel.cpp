// Cost of the command channel's parsing: one seek step, which is five
// commands and replies, through MciChannel on the simulated engine.

#include <benchmark/benchmark.h>

#include "bench_player.h"
#include "media/device_ops.h"

namespace {

void BM_SeekStepRoundTrip(benchmark::State& state) {
    rq::bench::BenchPlayer b;
    b.engine.add_media("/bench/clip.avi", {600000, 25.0, rq::Rect{0, 0, 320, 240}});
    rq::MciChannel& mci = b.mci;
    rq::Player& pw = b.pw;
    mci.send("open \"/bench/clip.avi\" type mpegvideo alias movie", nullptr, 0);
    mci.send("seek movie to 300000", nullptr, 0);
    int direction = 1;
    for (auto _ : state) {
        pw.device.speed_index = direction;
        benchmark::DoNotOptimize(rq::seek_step(pw, rq::SeekKind::Timed, rq::StepUnit::Second));
        direction = -direction;
    }
}
BENCHMARK(BM_SeekStepRoundTrip);

void BM_StatusPosition(benchmark::State& state) {
    rq::SimEngine engine;
    engine.add_media("/bench/clip.avi", {600000, 25.0, rq::Rect{0, 0, 320, 240}});
    rq::VirtualWorkingDirectory cwd;
    rq::MciChannel mci(engine, cwd);
    mci.send("open \"/bench/clip.avi\" type mpegvideo alias movie", nullptr, 0);
    char reply[256];
    for (auto _ : state) {
        reply[0] = 0;
        mci.send("status movie position", reply, sizeof reply);
        benchmark::DoNotOptimize(reply);
    }
}
BENCHMARK(BM_StatusPosition);

}  // namespace

BENCHMARK_MAIN();
