// A drop of a whole tree on the main window, from the drop to a filled
// playlist (scan_drop with the simulated engine), against
// "find DIR -type f | sort -f" on the same tree, in one run.
//   bench_drop DIR [runs]
// Both are run once to warm the file system's caches, then `runs` times in
// turn; the medians are printed with their ratio.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_player.h"
#include "media/drops.h"

namespace {

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DIR [runs]\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const std::string find_sort = "find '" + dir + "' -type f | LC_ALL=C sort -f > /dev/null";

    rq::bench::BenchPlayer b;
    rq::Player& pw = b.pw;

    std::vector<double> drop_times, find_times;
    for (int i = 0; i <= runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        rq::scan_drop(pw, {dir});
        double drop = seconds_since(start);
        start = std::chrono::steady_clock::now();
        if (std::system(find_sort.c_str()) != 0) return 1;
        double find = seconds_since(start);
        if (i == 0) continue;  // warming the caches
        drop_times.push_back(drop);
        find_times.push_back(find);
    }
    const double drop = median(drop_times), find = median(find_times);
    std::printf("entries: %d\n", pw.stores.path_list.count());
    std::printf("scan_drop:               %8.1f ms (median of %d)\n", drop * 1e3, runs);
    std::printf("find -type f | sort -f:  %8.1f ms (median of %d)\n", find * 1e3, runs);
    std::printf("ratio:                   %8.2f\n", drop / find);
    return 0;
}
