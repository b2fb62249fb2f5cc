// Cost of the command channel's parsing: one seek step, which is five
// commands and replies, through MciChannel on the simulated engine.

#include <benchmark/benchmark.h>

#include "media/device_ops.h"
#include "platform/sim_engine.h"
#include "support/player_fixture.h"

namespace {

void BM_SeekStepRoundTrip(benchmark::State& state) {
    rq::test::Player p;
    p.engine.add_media("/bench/clip.avi", {600000, 25.0, rq::Rect{0, 0, 320, 240}});
    p.ask("open \"/bench/clip.avi\" type mpegvideo alias movie");
    p.ask("seek movie to 300000");
    int direction = 1;
    for (auto _ : state) {
        p.pw->device.speed_index = direction;
        benchmark::DoNotOptimize(rq::seek_step(*p.pw, rq::SeekKind::Timed, rq::StepUnit::Second));
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
