#include "playlist/list_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/list_store.h"
#include "support/player_fixture.h"
#include "support/temp_dir.h"
#include "support/tree.h"

namespace rq {
namespace {

using test::read_bytes;
using test::rows_of;
using test::write_bytes;
using Paths = std::vector<std::string>;

TEST(ReadListFile, TakesAbsolutePathLinesOnly) {
    const std::string long_path = "/" + std::string(300, 'x') + ".mpg";
    struct Case {
        const char* what;
        std::string bytes;
        Paths want;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"CR LF lines", "/a/1.mpg\r\n/b/2.avi\r\n", {"/a/1.mpg", "/b/2.avi"}},
        {"extended m3u",
         "#EXTM3U\r\n#EXTINF:12,Title\r\n/a/1.mp3\r\n#EXTINF:3,Other\r\n/b/2.mp3\r\n",
         {"/a/1.mp3", "/b/2.mp3"}},
        {"relative and empty lines skipped",
         "movie.mpg\r\n\r\n./x.mpg\r\n/ok.mpg\r\n \r\n",
         {"/ok.mpg"}},
        {"last line without CR LF", "/a.mpg\r\n/b.mpg", {"/a.mpg", "/b.mpg"}},
        {"bare LF ends a line, no byte lost", "/a.mpg\n/b.mpg\n", {"/a.mpg", "/b.mpg"}},
        {"mixed line ends",
         "/a.mpg\n/b.mpg\r\n/c.mpg\r/d.mpg",
         {"/a.mpg", "/b.mpg", "/c.mpg", "/d.mpg"}},
        {"blank lines between", "\r\n\r\n/a.mpg\n\n\n/b.mpg\r\n\r\n", {"/a.mpg", "/b.mpg"}},
        {"long line kept whole", long_path + "\r\n/b.mpg\r\n", {long_path, "/b.mpg"}},
        {"byte order mark", "\xEF\xBB\xBF/a.mpg\r\n", {"/a.mpg"}},
        {"NUL ends the path", std::string("/a.mpg\0junk\r\n/b.mpg", 19), {"/a.mpg", "/b.mpg"}},
        {"blanks kept", "/my movies/a b.mpg \r\n", {"/my movies/a b.mpg "}},
        {"drive letters are not paths here", "C:\\a.mpg\r\n\\\\server\\b.mpg\r\n", {}},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        write_bytes(dir / "list.rql", c.bytes);
        ListStore paths;
        EXPECT_EQ(read_list_file(dir / "list.rql", paths), static_cast<int>(c.want.size()))
            << c.what;
        EXPECT_EQ(rows_of(paths), c.want) << c.what;
    }
}

TEST(ReadListFile, InsertsAtTheFrontInFileOrderAndFillsRows) {
    test::TempDir dir;
    write_bytes(dir / "l.m3u", "/x/a.mpg\r\n/y/b.avi\r\n");
    ListStore paths, rows;
    paths.insert_at(0, "/old.mpg");
    rows.insert_at(0, " 0001 old.mpg");
    EXPECT_EQ(read_list_file(dir / "l.m3u", paths, &rows), 2);
    EXPECT_EQ(rows_of(paths), (Paths{"/x/a.mpg", "/y/b.avi", "/old.mpg"}));
    EXPECT_EQ(rows_of(rows), (Paths{" 0001 a.mpg", " 0002 b.avi", " 0001 old.mpg"}));
}

TEST(ReadListFile, MissingFileReadsNothing) {
    test::TempDir dir;
    ListStore paths;
    paths.insert_at(0, "/keep.mpg");
    EXPECT_EQ(read_list_file(dir / "none.rql", paths), -1);
    EXPECT_EQ(rows_of(paths), Paths{"/keep.mpg"});
}

TEST(WriteListFile, WritesEachEntryWithCrLf) {
    test::TempDir dir;
    ListStore paths;
    EXPECT_TRUE(write_list_file(dir / "empty.rql", paths));
    EXPECT_EQ(std::filesystem::file_size(dir / "empty.rql"), 0u);
    ListStore again;
    EXPECT_EQ(read_list_file(dir / "empty.rql", again), 0);

    paths.insert_at(0, "/a/1.mpg");
    paths.insert_at(1, "/b/2.avi");
    EXPECT_TRUE(write_list_file(dir / "two.rql", paths));
    EXPECT_EQ(read_bytes(dir / "two.rql"), "/a/1.mpg\r\n/b/2.avi\r\n");
}

TEST(WriteListFile, ReplacesTheOldFileWholeAndLeavesNoTemporary) {
    test::TempDir dir;
    const std::string long_path = "/" + std::string(400, 'y') + "/z.mp3";
    write_bytes(dir / "list.rql", "/old/entry.mpg\r\n/old/second.mpg\r\n");
    ListStore paths;
    paths.insert_at(0, long_path);
    EXPECT_TRUE(write_list_file(dir / "list.rql", paths));
    EXPECT_EQ(read_bytes(dir / "list.rql"), long_path + "\r\n");
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 1);

    ListStore back;
    read_list_file(dir / "list.rql", back);
    EXPECT_EQ(rows_of(back), Paths{long_path});
}

TEST(WriteListFile, FailureLeavesTheOldFile) {
    test::TempDir dir;
    ListStore paths;
    paths.insert_at(0, "/a.mpg");
    EXPECT_FALSE(write_list_file(dir / "no/such/folder/list.rql", paths));
}

TEST(EnterPathFolder, EntersTheDeepestExistingFolder) {
    test::TempDir dir;
    test::make_tree(dir.path(), {"a/b/list.rql"});
    const std::string real = std::filesystem::canonical(dir.path()).string();
    VirtualWorkingDirectory cwd;
    EXPECT_TRUE(enter_path_folder(cwd, real + "/a/b/list.rql"));
    EXPECT_EQ(cwd.current(), real + "/a/b");
    EXPECT_TRUE(enter_path_folder(cwd, real + "/a/gone/deeper/x.rql"));
    EXPECT_EQ(cwd.current(), real + "/a");
    // Nothing to enter for a path that is not absolute.
    EXPECT_FALSE(enter_path_folder(cwd, "relative/x.rql"));
    EXPECT_FALSE(enter_path_folder(cwd, ""));
    EXPECT_EQ(cwd.current(), real + "/a");
}

TEST(DefaultPlaylist, MissingFileIsCreatedEmpty) {
    test::Player player;
    rq::Player& pw = *player.pw;
    pw.files_folder = player.dir.path();
    read_default_playlist(pw);
    EXPECT_EQ(pw.playlist.entry_count, 0);
    ASSERT_TRUE(std::filesystem::exists(player.dir / "RQ01.rql"));
    EXPECT_EQ(std::filesystem::file_size(player.dir / "RQ01.rql"), 0u);
}

TEST(DefaultPlaylist, ReadsTheAbsoluteLines) {
    test::Player player;
    rq::Player& pw = *player.pw;
    pw.files_folder = player.dir.path();
    write_bytes(player.dir / "RQ01.rql", "movie.mpg\r\n/a.mpg\r\n/b.mpg\r\n");
    read_default_playlist(pw);
    EXPECT_EQ(pw.playlist.entry_count, 2);
    EXPECT_EQ(rows_of(pw.stores.path_list), (Paths{"/a.mpg", "/b.mpg"}));
}

TEST(DefaultPlaylist, AnUnreadableListIsNotReplaced) {
    test::Player player;
    rq::Player& pw = *player.pw;
    pw.files_folder = player.dir.path();
    std::filesystem::create_directory(player.dir / "RQ01.rql");
    read_default_playlist(pw);
    EXPECT_EQ(pw.playlist.entry_count, 0);
    EXPECT_TRUE(std::filesystem::is_directory(player.dir / "RQ01.rql"));
}

TEST(DefaultPlaylist, ShutdownWritesThePlaylist) {
    test::Player player;
    rq::Player& pw = *player.pw;
    PlayerLifecycle& life = *player.life;
    player.start();
    pw.stores.path_list.insert_at(0, "/v/a.mpg");
    pw.stores.path_list.insert_at(1, "/v/b c.avi");
    life.shutdown();
    EXPECT_EQ(read_bytes(player.dir / "RQ01.rql"), "/v/a.mpg\r\n/v/b c.avi\r\n");
}

}  // namespace
}  // namespace rq
