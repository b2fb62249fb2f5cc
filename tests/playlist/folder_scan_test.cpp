#include "playlist/folder_scan.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/list_store.h"
#include "support/temp_dir.h"
#include "support/tree.h"

namespace rq {
namespace {

using Paths = std::vector<std::string>;

struct Scan : ::testing::Test {
    // The walk of one dropped item, relative to the temp folder.
    Paths walk(const std::string& item) {
        Paths got;
        scan_dropped_item(item, queue, [&](std::string p) {
            got.push_back(p.rfind(dir.path(), 0) == 0 ? p.substr(dir.path().size()) : p);
        });
        EXPECT_TRUE(queue.empty());
        return got;
    }
    void tree(std::initializer_list<std::string> items) { test::make_tree(dir.path(), items); }
    test::TempDir dir;
    ListStore queue;
};

TEST(MediaExtensions, AnyCaseOfTheElevenOnly) {
    for (const char* ext : {".mpg", ".MPG", ".Avi", ".mov", ".mp3", ".rmp", ".dat", ".asf", ".WAV",
                            ".mpeg", ".ra", ".wMa"})
        EXPECT_TRUE(is_media_extension(ext)) << ext;
    for (const char* ext : {"", ".", ".mp4", ".mkv", ".txt", "mpg", ".mpg ", ".m3u", ".rql", ".mp"})
        EXPECT_FALSE(is_media_extension(ext)) << ext;
    EXPECT_TRUE(is_list_file_extension(".M3U"));
    EXPECT_TRUE(is_list_file_extension(".rql"));
    EXPECT_FALSE(is_list_file_extension(".m3u8"));
}

TEST(MediaExtensions, ExtensionIsFromTheLastDotOfTheLastComponent) {
    EXPECT_EQ(extension_of("/v/A.MPG"), ".MPG");
    EXPECT_EQ(extension_of("/v.d/noext"), "");
    EXPECT_EQ(extension_of("/v/a.tar.mp3"), ".mp3");
    EXPECT_EQ(extension_of("clip.mkv"), ".mkv");
}

TEST_F(Scan, FilesInCaseInsensitiveOrderThenSubfolders) {
    tree({"folder/b.mpg", "folder/A.avi", "folder/notes.txt", "folder/sub/c.MP3", "folder/C.wav"});
    EXPECT_EQ(walk(dir / "folder"),
              (Paths{"folder/A.avi", "folder/b.mpg", "folder/C.wav", "folder/sub/c.MP3"}));
}

TEST_F(Scan, BreadthFirstLevelByLevel) {
    tree({"top/z.mpg", "top/a/deep/1.mpg", "top/a/2.mpg", "top/B/3.mpg", "top/B/deeper/4.mpg",
          "top/a/deep/deepest/5.mpg"});
    EXPECT_EQ(walk(dir / "top"),
              (Paths{"top/z.mpg", "top/a/2.mpg", "top/B/3.mpg", "top/a/deep/1.mpg",
                     "top/B/deeper/4.mpg", "top/a/deep/deepest/5.mpg"}));
}

TEST_F(Scan, ADroppedFileIsTakenForItsOwnExtension) {
    tree({"clip.mkv", "song.Mp3", "notes.txt"});
    EXPECT_EQ(walk(dir / "song.Mp3"), Paths{"song.Mp3"});
    EXPECT_EQ(walk(dir / "clip.mkv"), Paths{});
    EXPECT_EQ(walk(dir / "notes.txt"), Paths{});
}

TEST_F(Scan, AFolderNamedLikeAMediaFile) {
    tree({"empty.mpg/", "full.mpg/notes.txt", "media.avi/x.mp3"});
    // Empty: taken like a file. With anything inside: only its media files.
    EXPECT_EQ(walk(dir / "empty.mpg"), Paths{"empty.mpg"});
    EXPECT_EQ(walk(dir / "full.mpg"), Paths{});
    EXPECT_EQ(walk(dir / "media.avi"), Paths{"media.avi/x.mp3"});
}

TEST_F(Scan, TrailingSlashGivesNoDoubleSeparator) {
    tree({"f/a.mpg"});
    EXPECT_EQ(walk(dir / "f/"), Paths{"f/a.mpg"});
}

TEST_F(Scan, MissingPathsAndBrokenLinksContributeNothing) {
    EXPECT_EQ(walk(dir / "gone"), Paths{});
    tree({"f/a.mpg"});
    // A link to nowhere counts as a file that cannot be played.
    std::filesystem::create_symlink(dir / "nowhere.mpg", dir / "f/broken.mpg");
    EXPECT_EQ(walk(dir / "f"), Paths{"f/a.mpg"});
}

TEST_F(Scan, SpecialFilesAreNotTaken) {
    tree({"f/a.mpg"});
    ASSERT_EQ(mkfifo((dir / "f/pipe.mp3").c_str(), 0600), 0);
    EXPECT_EQ(walk(dir / "f"), Paths{"f/a.mpg"});
}

TEST_F(Scan, ALinkBackToAnAncestorEnds) {
    tree({"top/1.mpg", "top/a/2.mpg", "top/a/b/3.mpg"});
    std::filesystem::create_directory_symlink(dir / "top", dir / "top/a/b/up");
    std::filesystem::create_directory_symlink(dir / "top/a", dir / "top/a/b/again");
    EXPECT_EQ(walk(dir / "top"), (Paths{"top/1.mpg", "top/a/2.mpg", "top/a/b/3.mpg"}));
}

TEST_F(Scan, ALinkToAFolderOutsideIsWalked) {
    tree({"other/x.mpg", "top/1.mpg"});
    std::filesystem::create_directory_symlink(dir / "other", dir / "top/link");
    EXPECT_EQ(walk(dir / "top"), (Paths{"top/1.mpg", "top/link/x.mpg"}));
}

TEST_F(Scan, NamesDifferingOnlyInCaseKeepAFixedOrder) {
    tree({"f/a.mpg", "f/A.mpg", "f/_x.mpg", "f/B.mpg"});
    // "_" sorts before letters once they are folded to lower case.
    EXPECT_EQ(walk(dir / "f"), (Paths{"f/_x.mpg", "f/A.mpg", "f/a.mpg", "f/B.mpg"}));
}

}  // namespace
}  // namespace rq
