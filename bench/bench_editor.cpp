// The playlist editor's operations on a list of 20,000 entries, each on a
// fresh copy of the same list, through the whole player as the window
// calls them (a listener on the rows stands in for the view).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "playlist/list_file.h"
#include "playlist/playlist_editor.h"
#include "playlist/playlist_model.h"
#include "support/player_fixture.h"

namespace {

constexpr int kEntries = 20000;

// Folders and names in no order, some names in capitals.
std::vector<std::string> make_paths() {
    std::vector<std::string> paths;
    for (int i = 0; i < kEntries; ++i)
        paths.push_back("/home/user/Videos/" + std::string(i % 3 ? "Series " : "series ") +
                        std::to_string(i % 97) + "/Episode " + std::to_string(i) +
                        (i % 2 ? ".mpg" : ".AVI"));
    std::shuffle(paths.begin(), paths.end(), std::mt19937(7));
    return paths;
}

class EditorBench {
  public:
    EditorBench() : paths_(make_paths()) {
        life().init_dialog();
        pw().editor.row_list.set_listener([this](int) { ++changes_; });
    }
    rq::Player& pw() { return *player.pw; }
    rq::PlayerLifecycle& life() { return *player.life; }
    // The list as it was, the editor open on it with the marker on 500.
    void reset(const std::vector<int>& selected = {}) {
        pw().stores.path_list.assign(paths_);
        pw().playlist.entry_count = kEntries;
        pw().playlist.current_entry = 500;
        rq::show_editor(pw());
        for (int i : selected)
            pw().editor.row_list.set_selected(i, true);
    }
    rq::test::Player player;

  private:
    std::vector<std::string> paths_;
    long changes_ = 0;
};

void run(benchmark::State& state, void (*op)(rq::Player&), const std::vector<int>& selected = {},
         int sort_mode = 0) {
    EditorBench bench;
    for (auto _ : state) {
        state.PauseTiming();
        bench.reset(selected);
        bench.pw().editor.sort_mode = sort_mode;
        state.ResumeTiming();
        op(bench.pw());
    }
}

std::vector<int> every(int step, int from, int count) {
    std::vector<int> rows;
    for (int i = from; i < kEntries && int(rows.size()) < count; i += step)
        rows.push_back(i);
    return rows;
}

void BM_Sort(benchmark::State& state) {
    run(state, rq::editor_sort, {}, int(state.range(0)));
}
BENCHMARK(BM_Sort)->DenseRange(0, 3)->ArgName("mode")->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Random(benchmark::State& state) {
    run(state, rq::editor_random);
}
BENCHMARK(BM_Random)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DeleteEveryOtherRow(benchmark::State& state) {
    run(state, rq::editor_delete, every(2, 0, kEntries));
}
BENCHMARK(BM_DeleteEveryOtherRow)->Unit(benchmark::kMillisecond)->UseRealTime();

// 1,000 rows spread over the list, and 1,000 in one block.
void BM_Up(benchmark::State& state) {
    run(state, rq::editor_up, state.range(0) ? every(1, 9000, 1000) : every(20, 10, 1000));
}
BENCHMARK(BM_Up)->Arg(0)->Arg(1)->ArgName("block")->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Down(benchmark::State& state) {
    run(state, rq::editor_down, state.range(0) ? every(1, 9000, 1000) : every(20, 10, 1000));
}
BENCHMARK(BM_Down)->Arg(0)->Arg(1)->ArgName("block")->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Load(benchmark::State& state) {
    EditorBench bench;
    const std::string file = bench.player.dir / "list.rql";
    bench.reset();
    rq::write_list_file(file, bench.pw().stores.path_list);
    bench.player.dialogs.answer = file;
    for (auto _ : state)
        rq::editor_load(bench.pw());
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Save(benchmark::State& state) {
    EditorBench bench;
    bench.reset();
    bench.player.dialogs.answer = bench.player.dir / "saved.rql";
    for (auto _ : state)
        rq::editor_save(bench.pw());
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
