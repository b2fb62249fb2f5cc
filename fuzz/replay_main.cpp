// Runs a fuzz target once on each file named on the command line (a folder
// stands for the files in it), as libFuzzer does with file arguments: the
// committed corpus replays as a regression test in builds without clang's
// fuzzer runtime.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_check.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path arg = argv[i];
        if (!arg.empty() && arg.string().front() == '-') continue;  // libFuzzer options
        if (fs::is_directory(arg)) {
            for (const auto& e : fs::directory_iterator(arg))
                if (e.is_regular_file()) inputs.push_back(e.path());
        } else {
            inputs.push_back(arg);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty()) {
        std::fprintf(stderr, "no inputs\n");
        return 1;
    }
    for (const fs::path& in : inputs) {
        std::ifstream f(in, std::ios::binary);
        if (!f) {
            std::fprintf(stderr, "cannot read %s\n", in.c_str());
            return 1;
        }
        const std::string data{std::istreambuf_iterator<char>(f), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(data.data()), data.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
