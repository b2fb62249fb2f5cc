// Saves one kind of save over and over, the two versions in turn, until it
// is killed. Usage: save_loop KIND FOLDER
// Prints "ready" after the first save. FOLDER/phase, shared with the test,
// holds two ints: 1 while a save runs (0 between saves), and the
// microseconds the last save took.

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>

#include "save_kinds.h"

int main(int argc, char** argv) {
    using namespace rq::test;
    if (argc != 3) return 2;
    const SaveKind* kind = nullptr;
    for (const SaveKind& k : save_kinds())
        if (std::strcmp(k.name, argv[1]) == 0) kind = &k;
    if (!kind) return 2;
    const std::string folder = argv[2];

    const int fd = open((folder + "phase").c_str(), O_RDWR | O_CREAT, 0644);
    if (fd < 0 || ftruncate(fd, 2 * sizeof(int)) != 0) return 1;
    void* mem = mmap(nullptr, 2 * sizeof(int), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (mem == MAP_FAILED) return 1;
    volatile int* phase = static_cast<int*>(mem);

    for (long i = 0;; ++i) {
        SavingPlayer player(folder);
        kind->prepare(player, static_cast<int>(i % 2));
        const auto start = std::chrono::steady_clock::now();
        phase[0] = 1;
        kind->save(player.life);
        phase[0] = 0;
        phase[1] = static_cast<int>(std::chrono::duration_cast<std::chrono::microseconds>(
                                        std::chrono::steady_clock::now() - start)
                                        .count());
        if (i == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
