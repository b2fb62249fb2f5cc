#include "media/drops.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "playlist/playlist_model.h"
#include "support/player_fixture.h"
#include "support/tree.h"

namespace rq {
namespace {

using test::rows_of;
using test::write_bytes;
using Paths = std::vector<std::string>;

struct Drops : ::testing::Test {
    Drops() {
        // The temp folder as the device sees it after changing into it.
        root = std::filesystem::canonical(player.dir.path()).string() + "/";
        life().init_dialog();
    }
    rq::Player& pw() { return *player.pw; }
    PlayerLifecycle& life() { return *player.life; }
    void tree(std::initializer_list<std::string> items) { test::make_tree(root, items); }
    void playable(const std::string& rel) { player.engine.add_media(root + rel, {60000, 25, {}}); }
    Paths playlist() {
        Paths out;
        for (const std::string& p : rows_of(pw().stores.path_list))
            out.push_back(p.rfind(root, 0) == 0 ? p.substr(root.size()) : p);
        return out;
    }
    // The commands sent so far, without their replies.
    Paths commands() {
        Paths out;
        std::istringstream log(test::read_bytes(player.log_path));
        for (std::string line; std::getline(log, line);)
            out.push_back(line.substr(0, line.find('\t')));
        return out;
    }
    test::Player player;
    test::ScriptedDialogs& dialogs = player.dialogs;
    std::string root;
};

TEST_F(Drops, MainWindowDropFillsTheListSortedAndOpensTheFirst) {
    tree({"folder/b.mpg", "folder/A.avi", "folder/notes.txt", "folder/sub/c.MP3"});
    playable("folder/A.avi");
    pw().playlist.current_entry = 5;
    pw().device.paused = 1;
    pw().device.position = 900;
    scan_drop(pw(), {root + "folder"});

    EXPECT_EQ(playlist(), (Paths{"folder/A.avi", "folder/b.mpg", "folder/sub/c.MP3"}));
    EXPECT_EQ(pw().playlist.entry_count, 3);
    EXPECT_EQ(pw().playlist.current_entry, 0);
    EXPECT_EQ(pw().playlist.shuffle_count, 3);
    EXPECT_EQ(pw().tick.busy, 0);
    EXPECT_EQ(pw().device.paused, 0);
    EXPECT_EQ(pw().device.stopped, 0);
    EXPECT_EQ(player.engine.open_path(), root + "folder/A.avi");
    const Paths sent = commands();
    const Paths want_start{"close movie", "close movie",
                           "stop movie",  "window movie handle default",
                           "close movie", "open \"A.avi\" type mpegvideo alias movie"};
    ASSERT_GE(sent.size(), want_start.size());
    EXPECT_EQ(Paths(sent.begin(), sent.begin() + static_cast<long>(want_start.size())), want_start);
    EXPECT_EQ(sent.back(), "play movie");
}

TEST_F(Drops, SortedAcrossFoldersWhateverTheCase) {
    tree({"Zeta/a.mpg", "alpha/B.mpg", "alpha/a.MPG", "Alpha2/0.wav", "beta/x.wma"});
    scan_drop(pw(), {root + "Zeta", root + "beta", root + "Alpha2", root + "alpha"});
    EXPECT_EQ(playlist(),
              (Paths{"alpha/a.MPG", "alpha/B.mpg", "Alpha2/0.wav", "beta/x.wma", "Zeta/a.mpg"}));
}

TEST_F(Drops, ShuffleOnOpensTheFirstOfTheShuffleOrder) {
    tree({"f/1.mpg", "f/2.mpg", "f/3.mpg", "f/4.mpg", "f/5.mpg", "f/6.mpg"});
    for (const char* name : {"1", "2", "3", "4", "5", "6"})
        playable(std::string("f/") + name + ".mpg");
    pw().settings.shuffle = 1;
    pw().playlist.random.seed(3);
    scan_drop(pw(), {root + "f"});
    const int first = pw().playlist.shuffle_order.front();
    EXPECT_EQ(pw().playlist.current_entry, first);
    EXPECT_EQ(player.engine.open_path(), pw().stores.path_list.text(first));
}

TEST_F(Drops, APlaylistFileCountsOnlyWhenNothingElseWasFound) {
    tree({"clip.mpg"});
    write_bytes(root + "list.M3U", "#EXTM3U\r\n/x/2.avi\r\n/x/1.mpg\r\nrel.mpg\r\n");
    scan_drop(pw(), {root + "list.M3U"});
    EXPECT_EQ(playlist(), (Paths{"/x/2.avi", "/x/1.mpg"})) << "file order, not sorted";

    scan_drop(pw(), {root + "list.M3U", root + "clip.mpg"});
    EXPECT_EQ(playlist(), Paths{"clip.mpg"});
    scan_drop(pw(), {root + "clip.mpg", root + "list.M3U"});
    EXPECT_EQ(playlist(), Paths{"clip.mpg"});
}

TEST_F(Drops, ANonMediaFileAloneBecomesTheOnlyEntry) {
    tree({"clip.mkv", "empty/"});
    scan_drop(pw(), {root + "clip.mkv"});
    EXPECT_EQ(playlist(), Paths{"clip.mkv"});
    EXPECT_EQ(pw().playlist.entry_count, 1);
    // The last dropped item is the one taken.
    scan_drop(pw(), {root + "clip.mkv", root + "empty"});
    EXPECT_EQ(playlist(), Paths{"empty"});
}

TEST_F(Drops, OverlappingFoldersGiveDuplicates) {
    tree({"top/a.mpg", "top/sub/b.mpg"});
    scan_drop(pw(), {root + "top", root + "top/sub"});
    EXPECT_EQ(playlist(), (Paths{"top/a.mpg", "top/sub/b.mpg", "top/sub/b.mpg"}));
}

TEST_F(Drops, EmptyFolderNamedLikeMediaIsAnEntry) {
    tree({"film.mpg/"});
    scan_drop(pw(), {root + "film.mpg"});
    EXPECT_EQ(playlist(), Paths{"film.mpg"});
}

TEST_F(Drops, MainWindowDropIsIgnoredWhileEditorOpenOrBusy) {
    tree({"f/a.mpg", "g/b.mpg"});
    scan_drop(pw(), {root + "f"});
    show_editor(pw());
    const Paths sent = commands();
    scan_drop(pw(), {root + "g"});
    EXPECT_EQ(playlist(), Paths{"f/a.mpg"});
    EXPECT_EQ(commands(), sent);

    close_editor(pw());
    pw().tick.busy = 1;
    scan_drop(pw(), {root + "g"});
    EXPECT_EQ(playlist(), Paths{"f/a.mpg"});
}

TEST_F(Drops, LinkCycleInADropEnds) {
    tree({"top/a.mpg", "top/in/b.mpg"});
    std::filesystem::create_directory_symlink(root + "top", root + "top/in/back");
    scan_drop(pw(), {root + "top"});
    EXPECT_EQ(playlist(), (Paths{"top/a.mpg", "top/in/b.mpg"}));
}

TEST_F(Drops, EditorDropAppendsInWalkOrder) {
    tree({"folder/b.mpg", "folder/A.avi", "folder/notes.txt", "folder/sub/c.MP3", "clip.mkv"});
    pw().stores.path_list.insert_at(0, "/old/z.mpg");
    pw().stores.path_list.insert_at(1, "/old/y.mpg");
    pw().playlist.current_entry = 1;
    show_editor(pw());
    const Paths sent = commands();

    append_drop(pw(), {root + "folder", root + "clip.mkv"});
    EXPECT_EQ(playlist(), (Paths{"/old/z.mpg", "/old/y.mpg", "folder/A.avi", "folder/b.mpg",
                                 "folder/sub/c.MP3"}));
    EXPECT_EQ(rows_of(pw().editor.row_list),
              (Paths{" 0001 z.mpg", ">0002 y.mpg", " 0003 A.avi", " 0004 b.mpg", " 0005 c.MP3"}));
    EXPECT_EQ(pw().playlist.editor_entry_count, 5);
    EXPECT_EQ(pw().playlist.current_entry, 1);
    EXPECT_EQ(pw().playlist.marked_entry, 1);
    EXPECT_EQ(commands(), sent) << "playback is not touched";
    EXPECT_TRUE(pw().editor.folder_queue.empty());
}

TEST_F(Drops, EditorDropOfNothingPlayableAddsNothing) {
    tree({"clip.mkv"});
    write_bytes(root + "l.rql", "/x/a.mpg\r\n");
    show_editor(pw());
    append_drop(pw(), {root + "clip.mkv", root + "l.rql"});
    EXPECT_TRUE(pw().stores.path_list.empty());
    EXPECT_EQ(pw().playlist.editor_entry_count, 0);
    // Without the editor there are no rows to keep in step.
    close_editor(pw());
    tree({"a.mpg"});
    append_drop(pw(), {root + "a.mpg"});
    EXPECT_TRUE(pw().stores.path_list.empty());
}

TEST_F(Drops, FileButtonCancelledChangesNothing) {
    pw().stores.path_list.insert_at(0, "/keep.mpg");
    open_file_or_toggle_editor(pw(), 0);
    EXPECT_EQ(dialogs.asked, 1);
    EXPECT_EQ(dialogs.filter, "Filename|*.*||");
    EXPECT_EQ(dialogs.extension, "rql");
    EXPECT_EQ(playlist(), Paths{"/keep.mpg"});
    EXPECT_TRUE(commands().empty());
}

TEST_F(Drops, FileButtonPlaysTheChosenFileOrList) {
    tree({"v/clip.avi"});
    playable("v/clip.avi");
    pw().stores.path_list.insert_at(0, "/old.mpg");
    pw().playlist.current_entry = 3;
    dialogs.answer = root + "v/clip.avi";
    open_file_or_toggle_editor(pw(), 0);
    EXPECT_EQ(playlist(), Paths{"v/clip.avi"});
    EXPECT_EQ(pw().playlist.current_entry, 0);
    EXPECT_EQ(pw().playlist.entry_count, 1);
    EXPECT_EQ(pw().tick.busy, 0);
    EXPECT_EQ(player.engine.open_path(), root + "v/clip.avi");

    write_bytes(root + "set.RQL", "/a/1.mpg\r\n# note\r\n/a/2.mpg\r\n");
    dialogs.answer = root + "set.RQL";
    open_file_or_toggle_editor(pw(), 0);
    EXPECT_EQ(playlist(), (Paths{"/a/1.mpg", "/a/2.mpg"}));
    EXPECT_EQ(pw().playlist.entry_count, 2);
}

TEST_F(Drops, FileButtonShowsAndClosesTheEditor) {
    pw().stores.path_list.insert_at(0, "/a.mpg");
    open_file_or_toggle_editor(pw(), 1);
    EXPECT_EQ(pw().playlist.editor_open, 1);
    EXPECT_EQ(rows_of(pw().editor.row_list), Paths{">0001 a.mpg"});
    // Either mode closes it while it is open; no dialog is shown.
    open_file_or_toggle_editor(pw(), 0);
    EXPECT_EQ(pw().playlist.editor_open, 0);
    EXPECT_EQ(dialogs.asked, 0);
    open_file_or_toggle_editor(pw(), 1);
    open_file_or_toggle_editor(pw(), 1);
    EXPECT_EQ(pw().playlist.editor_open, 0);
}

}  // namespace
}  // namespace rq
