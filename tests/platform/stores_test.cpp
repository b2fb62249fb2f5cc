// List stores, text stores, path helpers and the key state.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>

#include "platform/key_state.h"
#include "platform/list_store.h"
#include "platform/path_util.h"
#include "platform/sim_engine.h"
#include "platform/text_decode.h"
#include "platform/wave_out_volume.h"
#include "platform/working_directory.h"
#include "support/temp_dir.h"

namespace rq {
namespace {

TEST(ListStore, SortedAddIgnoresCaseAndKeepsEqualsInOrder) {
    ListStore s;
    for (const char* t : {"/v/b.mpg", "/v/A.avi", "/v/sub/c.MP3", "/V/a.avi", "/v/_x.mpg"})
        s.add_sorted(t);
    std::vector<std::string> rows;
    for (int i = 0; i < s.count(); ++i)
        rows.push_back(s.text(i));
    // "_" sorts before the letters, as a case-folded byte order puts it.
    EXPECT_EQ(rows, (std::vector<std::string>{"/v/_x.mpg", "/v/A.avi", "/V/a.avi", "/v/b.mpg",
                                              "/v/sub/c.MP3"}));
}

TEST(ListStore, InsertDeleteAndSelection) {
    ListStore s;
    s.insert_at(0, "b");
    s.insert_at(0, "a");
    s.insert_at(99, "c");
    s.set_selected(1, true);
    s.insert_at(1, "x");
    EXPECT_EQ(s.text(1), "x");
    EXPECT_TRUE(s.selected(2));
    EXPECT_EQ(s.first_selected(), 2);
    EXPECT_TRUE(s.delete_at(1));
    EXPECT_FALSE(s.delete_at(5));
    EXPECT_EQ(s.text(5), "");
    EXPECT_EQ(s.selected_count(), 1);
    int notified = -2;
    s.set_listener([&](int row) { notified = row; });
    s.delete_at(0);
    EXPECT_EQ(notified, 0);
}

TEST(PathUtil, AsciiLowerLeavesOtherBytes) {
    // A CP932 or UTF-8 byte may never be folded: only A..Z change.
    EXPECT_EQ(ascii_lower(".MPG"), ".mpg");
    EXPECT_EQ(ascii_lower("\x82\x60Z@[`{"), "\x82\x60z@[`{");
}

TEST(PathUtil, SplitPath) {
    struct Case {
        const char* path;
        const char* folder;
        const char* name;
        const char* ext;
    } cases[] = {
        {"/v/A.MPG", "/v/", "A", ".MPG"},
        {"/v/archive.tar.gz", "/v/", "archive.tar", ".gz"},
        {"/v.d/noext", "/v.d/", "noext", ""},
        {"clip.avi", "", "clip", ".avi"},
        {"/", "/", "", ""},
    };
    for (const auto& c : cases) {
        PathParts p = split_path(c.path);
        EXPECT_EQ(p.folder, c.folder) << c.path;
        EXPECT_EQ(p.name, c.name) << c.path;
        EXPECT_EQ(p.extension, c.ext) << c.path;
    }
}

TEST(PathUtil, EnterPrefixesStopsAtTheDeepestExistingFolder) {
    test::TempDir dir;
    const std::string root = std::filesystem::canonical(dir.path()).string();
    std::filesystem::create_directories(dir / "a/b");
    test::write_bytes(dir / "a/b/file.rql", "");
    VirtualWorkingDirectory cwd;
    enter_prefixes(cwd, root + "/a/b/file.rql");
    EXPECT_EQ(cwd.current(), root + "/a/b");
    enter_prefixes(cwd, root + "/a/gone/deeper/");
    EXPECT_EQ(cwd.current(), root + "/a");
    EXPECT_TRUE(enter_folder(cwd, root + "//a/b/"));
    EXPECT_EQ(cwd.current(), root + "/a/b");
    EXPECT_FALSE(enter_folder(cwd, root + "/a/gone/"));
    EXPECT_EQ(cwd.current(), root + "/a");
    // The process's own directory is not touched.
    EXPECT_NE(std::filesystem::current_path().string(), root + "/a");
}

TEST(PathUtil, AtomicWriteReplacesAndReads) {
    test::TempDir dir;
    std::string path = dir / "f.txt";
    ASSERT_TRUE(write_file_atomic(path, "one"));
    ASSERT_TRUE(write_file_atomic(path, std::string("t\0wo", 4)));
    std::string back;
    ASSERT_TRUE(read_file(path, back));
    EXPECT_EQ(back, std::string("t\0wo", 4));
    EXPECT_FALSE(write_file_atomic(dir / "no/such/dir/f.txt", "x"));
    EXPECT_FALSE(read_file(dir / "missing", back));
    EXPECT_FALSE(read_file(dir.path(), back));  // a folder is not a file
    ASSERT_TRUE(read_file(path, back, 2));
    EXPECT_EQ(back, std::string("t\0", 2));
}

TEST(PathUtil, AtomicWriteKeepsTheModeAndWritesThroughLinks) {
    namespace fs = std::filesystem;
    test::TempDir dir;
    fs::create_directories(dir / "shared");
    auto mode = [](const std::string& p) { return fs::status(p).permissions() & fs::perms::mask; };
    using P = fs::perms;

    // A private file stays private; a new file is an ordinary one.
    test::write_bytes(dir / "private.cfg", "old");
    fs::permissions(dir / "private.cfg", P::owner_read | P::owner_write);
    ASSERT_TRUE(write_file_atomic(dir / "private.cfg", "new"));
    EXPECT_EQ(mode(dir / "private.cfg"), P::owner_read | P::owner_write);
    ASSERT_TRUE(write_file_atomic(dir / "fresh.cfg", "x"));
    EXPECT_EQ(mode(dir / "fresh.cfg"),
              P::owner_read | P::owner_write | P::group_read | P::others_read);

    // Links, relative and absolute, one after another, lead to the file
    // that takes the bytes; every link stays a link.
    const std::string target = dir / "shared/RQ01.CFG";
    test::write_bytes(target, "old");
    fs::permissions(target, P::owner_read | P::owner_write | P::group_read | P::group_write);
    fs::create_symlink("shared/RQ01.CFG", dir / "hop.cfg");
    fs::create_symlink(dir / "hop.cfg", dir / "RQ01.CFG");
    ASSERT_TRUE(write_file_atomic(dir / "RQ01.CFG", "new settings"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "RQ01.CFG")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "hop.cfg")));
    EXPECT_EQ(test::read_bytes(target), "new settings");
    EXPECT_EQ(mode(target), P::owner_read | P::owner_write | P::group_read | P::group_write);

    // A link to a file not there yet makes the file; a loop of links
    // saves nothing and leaves the links alone.
    fs::create_symlink("shared/later.rql", dir / "later.rql");
    ASSERT_TRUE(write_file_atomic(dir / "later.rql", "list"));
    EXPECT_EQ(test::read_bytes(dir / "shared/later.rql"), "list");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "later.rql")));
    fs::create_symlink("loop-b", dir / "loop-a");
    fs::create_symlink("loop-a", dir / "loop-b");
    EXPECT_FALSE(write_file_atomic(dir / "loop-a", "x"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "loop-a")));

    // No temporary file is left behind by any of it.
    for (const auto& e : fs::recursive_directory_iterator(dir.path()))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
}

// Each step of a save failing as a full disk, a quota, a size limit or a
// failing device fails it: the old file keeps every byte, no temporary file
// stays, errno tells the first failure, and no descriptor is closed twice.
TEST(PathUtil, AtomicWriteFailingAtAnyStepKeepsTheOldFileAndSaysWhy) {
    namespace fs = std::filesystem;
    auto fail = [](int err) {
        errno = err;
        return -1;
    };
    struct Case {
        const char* what;
        int reason;
        std::function<void(SaveCalls&)> break_it;
    };
    const std::vector<Case> cases{
        {"disk full half way", ENOSPC,
         [&](SaveCalls& c) {
             c.write = [&, n = 0](int fd, const void* b, size_t size) mutable -> ssize_t {
                 return n++ == 0 ? ::write(fd, b, size / 2) : fail(ENOSPC);
             };
         }},
        {"quota", EDQUOT,
         [&](SaveCalls& c) {
             c.write = [&](int, const void*, size_t) -> ssize_t { return fail(EDQUOT); };
         }},
        {"size limit", EFBIG,
         [&](SaveCalls& c) {
             c.write = [&](int, const void*, size_t) -> ssize_t { return fail(EFBIG); };
         }},
        // A write that takes nothing and says nothing must not spin for ever.
        {"no progress", ENOSPC,
         [](SaveCalls& c) { c.write = [](int, const void*, size_t) { return ssize_t{0}; }; }},
        {"fsync", EIO, [&](SaveCalls& c) { c.fsync = [&](int) { return fail(EIO); }; }},
        // A network file system or a quota may report the write at close.
        {"close", EDQUOT,
         [&](SaveCalls& c) {
             c.close = [&](int fd) {
                 ::close(fd);
                 return fail(EDQUOT);
             };
         }},
        {"rename", EROFS,
         [&](SaveCalls& c) { c.rename = [&](const char*, const char*) { return fail(EROFS); }; }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        test::TempDir dir;
        const std::string path = dir / "RQ01.CFG";
        const std::string old = "x=1\r\ny=2\r\n";
        test::write_bytes(path, old);
        SaveCalls calls;
        k.break_it(calls);
        int closes = 0;
        calls.close = [&closes, close = calls.close](int fd) {
            ++closes;
            return close(fd);
        };
        errno = 0;
        EXPECT_FALSE(write_file_atomic(path, std::string(100000, 'n'), calls));
        EXPECT_EQ(errno, k.reason) << std::strerror(errno);
        EXPECT_EQ(test::read_bytes(path), old);
        EXPECT_EQ(closes, 1);
        std::vector<std::string> left;
        for (const auto& e : fs::directory_iterator(dir.path()))
            left.push_back(e.path().filename());
        EXPECT_EQ(left, std::vector<std::string>{"RQ01.CFG"});
    }
}

// A FIFO would block a reader for ever and a device never end: both are
// refused at once, as is replacing one (a settings file linked to
// /dev/null must not turn /dev/null into a file). SIGALRM ends the test
// should anything block.
TEST(PathUtil, WhatIsNotARegularFileIsNeitherReadNorReplaced) {
    namespace fs = std::filesystem;
    test::TempDir dir;
    ASSERT_EQ(mkfifo((dir / "fifo.rql").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir / "zero.idx");
    fs::create_symlink("/dev/urandom", dir / "noise.txt");
    fs::create_symlink("/dev/null", dir / "RQ01.CFG");
    alarm(20);
    std::string back = "stale";
    for (const char* name : {"fifo.rql", "zero.idx", "noise.txt", "RQ01.CFG"}) {
        SCOPED_TRACE(name);
        errno = 0;
        EXPECT_FALSE(read_file(dir / name, back));
        EXPECT_EQ(errno, EINVAL);
        EXPECT_EQ(back, "");
        EXPECT_FALSE(write_file_atomic(dir / name, "new"));
        EXPECT_EQ(file_error_text(errno), "not a regular file");
    }
    alarm(0);
    EXPECT_TRUE(fs::is_fifo(dir / "fifo.rql"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "RQ01.CFG")));
    errno = 0;
    EXPECT_FALSE(write_file_atomic(dir.path(), "x"));
    EXPECT_EQ(errno, EISDIR);
}

TEST(KeyState, HeldAndPressedSinceTheLastQuery) {
    KeyState k;
    EXPECT_EQ(k.query(vk::kSpace), 0);
    k.press(vk::kSpace);
    EXPECT_EQ(k.query(vk::kSpace), KeyState::kHeld | KeyState::kPressedSinceQuery);
    EXPECT_EQ(k.query(vk::kSpace), KeyState::kHeld);
    k.release(vk::kSpace);
    EXPECT_EQ(k.query(vk::kSpace), 0);
    // A tap between two queries is still seen once.
    k.press(vk::kOemComma);
    k.release(vk::kOemComma);
    EXPECT_EQ(k.query(vk::kOemComma), KeyState::kPressedSinceQuery);
    EXPECT_EQ(k.query(vk::kOemComma), 0);
    k.press(vk::letter('N'));
    k.release_all();
    EXPECT_EQ(k.query(vk::letter('N')), KeyState::kPressedSinceQuery);
    EXPECT_EQ(k.query(300), 0);
}

TEST(WaveOutVolume, ChannelsAreLinearAndRemembered) {
    test::TempDir dir;
    SimEngine engine;
    {
        WaveOutVolume v(&engine, dir / "volume");
        EXPECT_EQ(v.get(), 0xFFFFFFFFu);  // a fresh mixer is at full volume
        v.set(30483u * 65537u);
        EXPECT_NEAR(engine.volume_left(), 30483 / 65535.0, 1e-9);
        EXPECT_NEAR(engine.volume_right(), 30483 / 65535.0, 1e-9);
        v.set(0xFFFF0000u);
        EXPECT_EQ(engine.volume_left(), 0.0);
        EXPECT_EQ(engine.volume_right(), 1.0);
    }
    WaveOutVolume again(&engine, dir / "volume");
    EXPECT_EQ(again.get(), 0xFFFF0000u);
    test::write_bytes(dir / "volume", "garbage");
    WaveOutVolume garbage(nullptr, dir / "volume");
    EXPECT_EQ(garbage.get(), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace rq

namespace rq {
namespace {

TEST(TextDecode, Utf8StaysAndCp932IsDecoded) {
    EXPECT_EQ(to_utf8("plain"), "plain");
    EXPECT_EQ(to_utf8("\xE5\xAD\x97\xE5\xB9\x95"), "\xE5\xAD\x97\xE5\xB9\x95");  // 字幕 in UTF-8
    // テスト and a half-width katakana in code page 932.
    EXPECT_EQ(to_utf8("\x83\x65\x83\x58\x83\x67 \xB1"),
              "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88 \xEF\xBD\xB1");
    // A lead byte cut off at the end is replaced, not read past.
    EXPECT_EQ(to_utf8("ab\x83"), "ab\xEF\xBF\xBD");
    // Overlong UTF-8 is not UTF-8.
    EXPECT_FALSE(is_valid_utf8("\xC0\xAF"));
    EXPECT_FALSE(is_valid_utf8("\xED\xA0\x80"));
}

}  // namespace
}  // namespace rq
