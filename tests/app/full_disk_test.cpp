// Every kind of save the player makes, on a disk with no room left, on a
// read-only file system and past the file-size limit: the old files keep
// every byte, no temporary file stays, and the player says which file it
// could not save and why (a line on stderr at the end of the run; the
// editor's Save, where a person waits, in its message). The disk is a small
// tmpfs of the test's own; where the test may not mount one it skips.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>

#include "platform/path_util.h"
#include "save_kinds.h"
#include "support/temp_dir.h"

namespace rq::test {
namespace {

namespace fs = std::filesystem;

// A tmpfs of a few MiB mounted on a folder of its own.
class SmallDisk {
  public:
    SmallDisk() {
        if (mount("tmpfs", dir_.path().c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=4m") == 0)
            mounted_ = true;
        else
            why_not_ = std::strerror(errno);
    }
    ~SmallDisk() {
        if (mounted_) umount2(dir_.path().c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    const std::string& why_not() const { return why_not_; }
    std::string operator/(std::string_view name) const { return dir_ / name; }

    // Takes every byte left.
    void fill() const {
        std::FILE* f = std::fopen((dir_ / "filler").c_str(), "wb");
        const std::string block(65536, 'f');
        while (f && std::fwrite(block.data(), 1, block.size(), f) == block.size()) {
        }
        if (f) std::fclose(f);
    }
    bool make_read_only() const {
        return mount(nullptr, dir_.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

  private:
    TempDir dir_;
    bool mounted_ = false;
    std::string why_not_;
};

enum class Fault { Full, ReadOnly, SizeLimit };

std::map<std::string, std::string> files_under(const std::string& folder) {
    std::map<std::string, std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file()) out[e.path().string()] = read_bytes(e.path().string());
    return out;
}

std::set<std::string> lines_of(const std::string& text) {
    std::set<std::string> out;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = text.find('\n', at);
        out.insert(text.substr(at, end - at));
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return out;
}

// Version 1 of the kind saved over version 0, then the end of the run, in
// a child process: its stderr and the editor's messages go to `out`.
int save_and_end(const SaveKind& kind, const std::string& folder, Fault fault, const TempDir& out) {
    const pid_t child = fork();
    if (child != 0) {
        int status = 0;
        waitpid(child, &status, 0);
        return status;
    }
    std::FILE* err = std::freopen((out / "stderr").c_str(), "w", stderr);
    if (fault == Fault::SizeLimit) {
        // Smaller than any file saved (the settings are the smallest),
        // larger than what the child reports.
        const rlimit small{512, 512};
        setrlimit(RLIMIT_FSIZE, &small);
        let_saves_fail_past_size_limit();
    }
    {
        SavingPlayer player(folder);
        kind.prepare(player, 1);
        kind.save(player.life);
        player.life.shutdown();
        std::string messages;
        for (const std::string& m : player.dialogs.messages)
            messages += m + "\n--\n";
        write_bytes(out / "messages", messages);
    }
    if (err) std::fflush(err);
    _exit(0);
}

TEST(FullDisk, EverySaveKeepsTheOldFileAndSaysWhichAndWhy) {
    const std::pair<Fault, int> faults[] = {
        {Fault::Full, ENOSPC}, {Fault::ReadOnly, EROFS}, {Fault::SizeLimit, EFBIG}};
    for (const auto& [fault, reason] : faults) {
        for (const SaveKind& kind : save_kinds()) {
            SCOPED_TRACE(std::string(kind.name) + ": " + std::strerror(reason));
            SmallDisk disk;
            if (!disk.mounted())
                GTEST_SKIP() << "cannot mount a tmpfs (" << disk.why_not()
                             << "): the full-disk cases need root";
            const std::string folder = disk / "prog/";
            fs::create_directories(folder + "media");
            fs::copy_file(std::string(RQ_SOURCE_DIR) + "/data/RQ01.sys", folder + "RQ01.sys");
            write_bytes(folder + "media/clip.avi", "0123456789");
            {
                SavingPlayer player(folder);
                kind.prepare(player, 0);
                kind.save(player.life);
            }
            const auto before = files_under(folder);
            for (const std::string& f : kind.files)
                ASSERT_TRUE(before.count(folder + f)) << f << " was not saved at all";

            if (fault == Fault::Full) disk.fill();
            if (fault == Fault::ReadOnly) {
                ASSERT_TRUE(disk.make_read_only());
            }
            TempDir out;
            const int status = save_and_end(kind, folder, fault, out);
            ASSERT_TRUE(WIFEXITED(status)) << "the save ended by signal " << WTERMSIG(status);

            EXPECT_EQ(files_under(folder), before) << "a file changed, or a temporary one stayed";
            // The editor's list is named in its message; the rest, and the
            // settings the end of the run saves, on stderr.
            std::set<std::string> expected;
            const std::string why = std::strerror(reason);
            const bool editor = std::string(kind.name) == "editor";
            for (const std::string& f : kind.files)
                if (!editor) expected.insert("rq810z: could not save " + folder + f + ": " + why);
            expected.insert("rq810z: could not save " + folder + "RQ01.CFG: " + why);
            EXPECT_EQ(lines_of(read_bytes(out / "stderr")), expected);
            const std::string messages = read_bytes(out / "messages");
            if (editor) {
                EXPECT_EQ(messages, std::string(kListWriteFailed) + "\n" + folder + kind.files[0] +
                                        "\n" + why + "\n--\n");
            } else {
                EXPECT_EQ(messages, "");
            }
        }
    }
}

}  // namespace
}  // namespace rq::test
