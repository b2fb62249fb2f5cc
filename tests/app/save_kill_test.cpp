// A save killed at any moment leaves every file whole: the old content or
// the new, never torn, never empty. A helper program makes each kind of
// save over and over; the test kills it with SIGKILL in the middle of a
// save, again and again, and reads what is left. The settings file is a
// link to a private shared file, which must stay a link and stay private.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "save_kinds.h"
#include "support/temp_dir.h"

extern char** environ;

namespace rq::test {
namespace {

namespace fs = std::filesystem;

constexpr int kKillsPerKind = 40;

// The program folder as the player has it, the settings file a link into
// "shared/".
void lay_out(const std::string& folder, bool link_settings) {
    fs::copy_file(std::string(RQ_SOURCE_DIR) + "/data/RQ01.sys", folder + "RQ01.sys");
    fs::create_directories(folder + "media");
    write_bytes(folder + "media/clip.avi", "0123456789");
    if (link_settings) {
        fs::create_directories(folder + "shared");
        fs::create_symlink("shared/RQ01.CFG", folder + "RQ01.CFG");
    }
}

void save_in_process(const SaveKind& kind, const std::string& folder, int version) {
    SavingPlayer player(folder);
    kind.prepare(player, version);
    kind.save(player.life);
}

// The helper, started with its output on a pipe; "ready" once it has saved.
class Helper {
  public:
    Helper(const char* kind, const std::string& folder) {
        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        const char* argv[] = {RQ_SAVE_LOOP, kind, folder.c_str(), nullptr};
        if (posix_spawn(&pid_, RQ_SAVE_LOOP, &actions, nullptr, const_cast<char**>(argv),
                        environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        out_ = out[0];
    }
    ~Helper() {
        kill_now();
        if (out_ >= 0) close(out_);
    }
    bool ready() {
        pollfd p{out_, POLLIN, 0};
        char buf[16] = {};
        return pid_ > 0 && poll(&p, 1, 20000) == 1 && read(out_, buf, sizeof buf - 1) > 0 &&
               std::string(buf) == "ready\n";
    }
    void kill_now() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
    }

  private:
    pid_t pid_ = -1;
    int out_ = -1;
};

// The helper's "phase" file: {1 while saving, microseconds of the last save}.
class Phase {
  public:
    explicit Phase(const std::string& path) {
        write_bytes(path, std::string(2 * sizeof(int), '\0'));
        fd_ = open(path.c_str(), O_RDWR);
        void* m = mmap(nullptr, 2 * sizeof(int), PROT_READ, MAP_SHARED, fd_, 0);
        mem_ = m == MAP_FAILED ? nullptr : static_cast<volatile const int*>(m);
    }
    ~Phase() {
        if (mem_) munmap(const_cast<int*>(mem_), 2 * sizeof(int));
        close(fd_);
    }
    bool saving() const { return mem_ && mem_[0] == 1; }
    int last_save_us() const { return mem_ ? mem_[1] : 0; }
    // Waits (at most a second) until the helper starts its next save.
    void await_next_save() const {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        while (saving() && std::chrono::steady_clock::now() < until)
            std::this_thread::yield();
        while (!saving() && std::chrono::steady_clock::now() < until)
            std::this_thread::yield();
    }

  private:
    int fd_ = -1;
    volatile const int* mem_ = nullptr;
};

int stray_temporaries(const std::string& folder) {
    int n = 0;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        n += e.path().filename().string().find(".tmp") != std::string::npos;
    return n;
}

TEST(SaveKill, EveryFileIsOldOrNewAfterAKillDuringASave) {
    const unsigned seed = std::random_device{}();
    std::mt19937 rng(seed);
    int kills = 0;
    for (const SaveKind& kind : save_kinds()) {
        SCOPED_TRACE(std::string(kind.name) + ", seed " + std::to_string(seed));
        // What each file holds after a whole save of either version.
        std::vector<std::array<std::string, 2>> whole(kind.files.size());
        for (int version : {0, 1}) {
            TempDir ref;
            lay_out(ref.path(), false);
            save_in_process(kind, ref.path(), version);
            for (size_t f = 0; f < kind.files.size(); ++f) {
                whole[f][size_t(version)] = read_bytes(ref / kind.files[f]);
                ASSERT_FALSE(whole[f][size_t(version)].empty()) << kind.files[f];
            }
        }
        ASSERT_NE(whole[0][0], whole[0][1]);

        TempDir dir;
        lay_out(dir.path(), true);
        save_in_process(kind, dir.path(), 0);
        const std::string shared = dir / "shared/RQ01.CFG";
        if (fs::exists(shared))
            fs::permissions(shared, fs::perms::owner_read | fs::perms::owner_write);
        Phase phase(dir / "phase");

        int inside = 0;
        for (int k = 0; k < kKillsPerKind; ++k) {
            Helper helper(kind.name, dir.path());
            ASSERT_TRUE(helper.ready()) << "the helper did not start";
            // A moment anywhere within a save, judged by the last one.
            const int span = std::max(phase.last_save_us(), 100);
            const auto delay = std::chrono::microseconds(rng() % unsigned(span));
            phase.await_next_save();
            std::this_thread::sleep_for(delay);
            helper.kill_now();
            ++kills;
            inside += phase.saving();

            for (size_t f = 0; f < kind.files.size(); ++f) {
                const std::string now = read_bytes(dir / kind.files[f]);
                EXPECT_TRUE(now == whole[f][0] || now == whole[f][1])
                    << kind.files[f] << " after kill " << k << ": " << now.size() << " bytes";
            }
            if (fs::exists(shared)) {
                EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "RQ01.CFG")));
                EXPECT_EQ(fs::status(shared).permissions() & fs::perms::mask,
                          fs::perms::owner_read | fs::perms::owner_write);
            }
        }
        // Without kills inside a save the test would prove nothing.
        EXPECT_GT(inside, 0);
        std::printf("%s: %d kills, %d inside a save, %d temporary files left\n", kind.name,
                    kKillsPerKind, inside, stray_temporaries(dir.path()));
    }
    EXPECT_GE(kills, 100);
}

}  // namespace
}  // namespace rq::test
