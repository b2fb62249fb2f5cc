// Wall time of the libmpv engine's slow paths, through the command channel:
// an open (which waits for the file to load) with its close, and an exact
// seek until the engine reports the position it reached. Clips are made by
// ffmpeg in a temporary folder; no sound device.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "mpv/mpv_clips.h"
#include "mpv/mpv_engine.h"
#include "platform/mci_channel.h"
#include "platform/working_directory.h"

namespace {

void BM_OpenClose(benchmark::State& state, const char* name) {
    rq::test::MpvClips clips;
    if (!clips.ok) {
        state.SkipWithError("ffmpeg could not make the clips");
        return;
    }
    rq::MpvEngine engine(nullptr, true);
    rq::VirtualWorkingDirectory cwd;
    rq::MciChannel mci(engine, cwd);
    const std::string open = "open \"" + clips / name + "\" type mpegvideo alias movie";
    for (auto _ : state) {
        if (mci.send(open, nullptr, 0) != 0) {
            state.SkipWithError("open failed");
            return;
        }
        mci.send("close movie", nullptr, 0);
    }
}
BENCHMARK_CAPTURE(BM_OpenClose, avi, "clip.avi")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_OpenClose, mpg, "clip.mpg")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_OpenClose, mp3, "tone.mp3")->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExactSeekSettles(benchmark::State& state, const char* name) {
    rq::test::MpvClips clips;
    rq::MpvEngine engine(nullptr, true);
    rq::VirtualWorkingDirectory cwd;
    rq::MciChannel mci(engine, cwd);
    if (!clips.ok ||
        mci.send("open \"" + clips / name + "\" type mpegvideo alias movie", nullptr, 0) != 0) {
        state.SkipWithError("no clip");
        return;
    }
    long to = 300;
    for (auto _ : state) {
        mci.send("seek movie to " + std::to_string(to), nullptr, 0);
        while (engine.seeking())
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        to = to == 300 ? 1500 : 300;
    }
}
BENCHMARK_CAPTURE(BM_ExactSeekSettles, avi, "clip.avi")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ExactSeekSettles, mpg, "clip.mpg")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
