// Reading and writing a playlist file of 100,000 entries, into the
// playlist alone and, as the editor's Load does, into the rows as well.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/list_store.h"
#include "playlist/list_file.h"

namespace {

constexpr int kEntries = 100000;

std::string bench_path() {
    return (std::filesystem::temp_directory_path() /
            ("rq810z-bench-" + std::to_string(getpid()) + ".rql"))
        .string();
}

rq::ListStore make_list() {
    rq::ListStore list;
    for (int i = 0; i < kEntries; ++i)
        list.insert_at(i, "/home/user/Music/Artist " + std::to_string(i / 1000) + "/Album " +
                              std::to_string(i / 10 % 100) + "/" + std::to_string(i) +
                              " Some Track Title.mp3");
    return list;
}

void BM_WriteListFile(benchmark::State& state) {
    const rq::ListStore list = make_list();
    const std::string path = bench_path();
    for (auto _ : state)
        benchmark::DoNotOptimize(rq::write_list_file(path, list));
    std::remove(path.c_str());
}
BENCHMARK(BM_WriteListFile)->Unit(benchmark::kMillisecond);

void BM_ReadListFile(benchmark::State& state) {
    const std::string path = bench_path();
    rq::write_list_file(path, make_list());
    const bool with_rows = state.range(0) != 0;
    for (auto _ : state) {
        rq::ListStore paths, rows;
        benchmark::DoNotOptimize(rq::read_list_file(path, paths, with_rows ? &rows : nullptr));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_ReadListFile)->Arg(0)->Arg(1)->ArgName("rows")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
