// The playlist editor's operations on a headless player: the two lists in
// step, numbers, selection, the marker, list files, and what the tick takes.

#include "playlist/playlist_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "playlist/playlist_model.h"
#include "playlist/tree.h"
#include "support/player_fixture.h"

namespace rq {
namespace {

using test::rows_of;
using Rows = std::vector<std::string>;
using Op = void (*)(Player&);

// Rows written out by hand: " 0003 c.mpg", ">" on `marker`.
Rows rows_for(std::string_view letters, int marker) {
    Rows out;
    for (size_t i = 0; i < letters.size(); ++i) {
        char row[32];
        std::snprintf(row, sizeof row, "%c%04zu %c.mpg", int(i) == marker ? '>' : ' ', i + 1,
                      letters[i]);
        out.push_back(row);
    }
    return out;
}

// One entry "/m/<letter>.mpg" per letter; the editor shown with the marker
// on `marked`.
void open(PlayerWindow& pw, std::string_view letters, int marked = 0) {
    for (char c : letters)
        pw.stores.path_list.insert_at(-1, std::string("/m/") + c + ".mpg");
    pw.playlist.entry_count = pw.stores.path_list.count();
    pw.playlist.current_entry = marked;
    show_editor(pw);
}

void select(PlayerWindow& pw, const std::vector<int>& which) {
    for (int i : which)
        pw.editor.row_list.set_selected(i, true);
}

std::vector<int> selection(PlayerWindow& pw) {
    std::vector<int> out;
    for (int i = 0; i < pw.editor.row_list.count(); ++i)
        if (pw.editor.row_list.selected(i)) out.push_back(i);
    return out;
}

// The entries' letters in list order.
std::string order(PlayerWindow& pw) {
    std::string out;
    for (const std::string& p : rows_of(pw.stores.path_list))
        out += p.substr(3, 1);
    return out;
}

struct Editor : ::testing::Test {
    Editor() { pw().init_dialog(); }
    PlayerWindow& pw() { return *player.pw; }
    ListStore& rows() { return pw().editor.row_list; }
    ListStore& paths() { return pw().stores.path_list; }
    void open(std::string_view letters, int marked = 0) { rq::open(pw(), letters, marked); }
    void select(const std::vector<int>& which) { rq::select(pw(), which); }
    std::vector<int> selection() { return rq::selection(pw()); }
    std::string order() { return rq::order(pw()); }
    std::string file(const std::string& name) { return player.dir / name; }

    test::Player player;
};

TEST_F(Editor, UpAndDownMoveSelectedBlocksAndTheMarkerWithThem) {
    struct Case {
        const char* what;
        Op op;
        std::vector<int> selected;
        int marked;
        const char* after;
        std::vector<int> selected_after;
        int marked_after;
    };
    const Case cases[] = {
        {"up, first row among them", editor_up, {0, 2}, 4, "abcdef", {0, 2}, 4},
        {"down, last row among them", editor_down, {3, 5}, 4, "abcdef", {3, 5}, 4},
        {"up, nothing selected", editor_up, {}, 1, "abcdef", {}, 1},
        {"up, rows 3 and 4", editor_up, {3, 4}, 0, "abdecf", {2, 3}, 0},
        {"down, rows 1 and 2", editor_down, {1, 2}, 5, "adbcef", {2, 3}, 5},
        {"up, rows 1 and 3", editor_up, {1, 3}, 0, "badcef", {0, 2}, 1},
        {"up, the marked row", editor_up, {3}, 3, "abdcef", {2}, 2},
        {"up, the row below the marked one", editor_up, {3}, 2, "abdcef", {2}, 3},
        {"down, the marked row", editor_down, {2}, 2, "abdcef", {3}, 3},
        {"down, the row above the marked one", editor_down, {2}, 3, "abdcef", {3}, 2},
    };
    for (const Case& c : cases) {
        test::Player t;
        PlayerWindow& pw = *t.pw;
        pw.init_dialog();
        rq::open(pw, "abcdef", c.marked);
        rq::select(pw, c.selected);
        c.op(pw);
        EXPECT_EQ(rq::order(pw), c.after) << c.what;
        EXPECT_EQ(rows_of(pw.editor.row_list), rows_for(c.after, c.marked_after)) << c.what;
        EXPECT_EQ(rq::selection(pw), c.selected_after) << c.what;
        EXPECT_EQ(pw.playlist.marked_entry, c.marked_after) << c.what;
    }
}

TEST_F(Editor, DeleteRenumbersSelectsTheNextRowAndTheMarkedIndexFollowsItsRow) {
    struct Case {
        std::vector<int> selected;
        int marked;
        const char* after;
        std::vector<int> selected_after;
        int marked_after;
        int marker_row;  // the row showing ">", -1 none
    };
    const Case cases[] = {
        {{1, 4}, 0, "acdf", {1}, 0, 0},
        {{0, 3}, 5, "bcef", {0}, 3, 3},
        {{4, 5}, 0, "abcd", {3}, 0, 0},
        {{1}, 4, "acdef", {1}, 3, 3},
        {{}, 2, "abcdef", {0}, 2, 2},
        // The marked row itself went: the index names the row that took
        // its place, and no row shows the marker.
        {{2}, 2, "abdef", {2}, 2, -1},
        {{3, 4, 5}, 4, "abc", {2}, 2, -1},
        {{0, 1, 2, 3, 4, 5}, 3, "", {}, 0, -1},
    };
    for (const Case& c : cases) {
        test::Player t;
        PlayerWindow& pw = *t.pw;
        pw.init_dialog();
        rq::open(pw, "abcdef", c.marked);
        rq::select(pw, c.selected);
        editor_delete(pw);
        const std::string what = "deleting " + ::testing::PrintToString(c.selected);
        EXPECT_EQ(rq::order(pw), c.after) << what;
        EXPECT_EQ(rows_of(pw.editor.row_list), rows_for(c.after, c.marker_row)) << what;
        EXPECT_EQ(rq::selection(pw), c.selected_after) << what;
        EXPECT_EQ(pw.playlist.marked_entry, c.marked_after) << what;
        EXPECT_EQ(pw.playlist.editor_entry_count, int(std::string(c.after).size())) << what;
    }
}

TEST_F(Editor, SortCyclesThroughPathAndNameUpAndDownWithCapitalsFolded) {
    // Unfolded, "Y" and "D" would sort before "_" and "b".
    for (const char* p : {"/b/x2.mpg", "/a/Y1.mpg", "/c/_z.mpg", "/D/w3.avi"})
        paths().insert_at(-1, p);
    pw().playlist.current_entry = 1;
    show_editor(pw());
    const std::vector<Rows> presses = {
        {"/a/Y1.mpg", "/b/x2.mpg", "/c/_z.mpg", "/D/w3.avi"},
        {"/D/w3.avi", "/c/_z.mpg", "/b/x2.mpg", "/a/Y1.mpg"},
        {"/c/_z.mpg", "/D/w3.avi", "/b/x2.mpg", "/a/Y1.mpg"},
        {"/a/Y1.mpg", "/b/x2.mpg", "/D/w3.avi", "/c/_z.mpg"},
        {"/a/Y1.mpg", "/b/x2.mpg", "/c/_z.mpg", "/D/w3.avi"},
    };
    const int marked_after[] = {0, 3, 3, 0, 0};  // where Y1 went
    for (size_t i = 0; i < presses.size(); ++i) {
        editor_sort(pw());
        EXPECT_EQ(rows_of(paths()), presses[i]) << "press " << i + 1;
        EXPECT_EQ(pw().playlist.marked_entry, marked_after[i]) << "press " << i + 1;
        EXPECT_EQ(pw().editor.sort_mode, int(i + 1) % 4);
    }
    EXPECT_EQ(rows_of(rows()),
              (Rows{">0001 Y1.mpg", " 0002 x2.mpg", " 0003 _z.mpg", " 0004 w3.avi"}));
}

TEST_F(Editor, SortTakesOnlyTheSelectedRowsWhenThereAreTwoOrMore) {
    open("hgfedcba", 7);
    select({2, 5, 7});
    editor_sort(pw());
    EXPECT_EQ(order(), "hgaedcbf");
    EXPECT_EQ(selection(), (std::vector<int>{2, 5, 7}));
    EXPECT_EQ(pw().playlist.marked_entry, 2);  // "a" carried the marker
    EXPECT_EQ(rows_of(rows()), rows_for("hgaedcbf", 2));

    rows().set_selected(2, false);
    rows().set_selected(5, false);
    editor_sort(pw());  // one row selected: all of them, path descending
    EXPECT_EQ(order(), "hgfedcba");
    EXPECT_EQ(rows_of(rows()), rows_for("hgfedcba", 7));
}

TEST_F(Editor, RandomShufflesBothListsAndTheMarkerStaysOnItsEntry) {
    open("a", 0);
    rows().set_selected(0, true);
    editor_random(pw());
    EXPECT_EQ(rows_of(rows()), Rows{">0001 a.mpg"});
    EXPECT_EQ(rows_of(paths()), Rows{"/m/a.mpg"});

    editor_new(pw());
    // 52 entries: the chance that a shuffle leaves them all in place is nil.
    std::string letters;
    for (char c = 'A'; c <= 'z'; ++c)
        if (std::isalpha(static_cast<unsigned char>(c))) letters += c;
    open(letters, 10);
    select({1, 2, 3});
    editor_random(pw());
    const std::string shuffled = order();
    EXPECT_NE(shuffled, letters);
    std::string sorted = shuffled;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, letters);
    const int marked = pw().playlist.marked_entry;
    EXPECT_EQ(shuffled[size_t(marked)], letters[10]);
    EXPECT_EQ(rows_of(rows()), rows_for(shuffled, marked));
    EXPECT_TRUE(selection().empty());
    EXPECT_EQ(pw().playlist.editor_entry_count, int(letters.size()));
}

TEST_F(Editor, LoadReplacesTheListAndTheTickTakesTheNewCount) {
    pw().on_create();
    pw().timer_tick();
    open("abcdefghij", 7);
    const std::string list = file("three.rql");
    test::write_bytes(list, "/x/one.mpg\r\n#comment\r\n/x/two.avi\r\n/y/three.mp3\r\n");
    pw().stores.last_list_file.set_text(file("old/gone.rql"));
    player.dialogs.answer = list;
    editor_load(pw());

    EXPECT_EQ(player.dialogs.filter, "Select List File|*.rql;*.m3u||");
    EXPECT_EQ(player.dialogs.extension, "rql");
    EXPECT_EQ(rows_of(paths()), (Rows{"/x/one.mpg", "/x/two.avi", "/y/three.mp3"}));
    EXPECT_EQ(rows_of(rows()), (Rows{" 0001 one.mpg", " 0002 two.avi", " 0003 three.mp3"}));
    EXPECT_EQ(pw().stores.last_list_file.text(), list);
    EXPECT_EQ(pw().playlist.marked_entry, 7);  // untouched until an entry is opened
    // The dialog opened where the last list file was, as far as it exists.
    EXPECT_EQ(pw().editor.shown_path, file("old/gone.rql"));
    EXPECT_EQ(player.cwd.current() + "/", player.dir.path());
    player.main_ticks(1);
    EXPECT_EQ(pw().playlist.entry_count, 3);
}

TEST_F(Editor, ALoadThatCannotReadSaysSoAndChangesNothing) {
    open("abc", 1);
    std::filesystem::create_directory(file("folder.rql"));
    struct Case {
        std::optional<std::string> answer;
        bool message;
    };
    const Case cases[] = {
        {std::nullopt, false},
        {file("missing.rql"), true},
        {file("folder.rql"), true},
    };
    pw().stores.last_list_file.set_text("/before.rql");
    for (const Case& c : cases) {
        player.dialogs.messages.clear();
        player.dialogs.answer = c.answer;
        editor_load(pw());
        EXPECT_EQ(order(), "abc");
        EXPECT_EQ(rows_of(rows()), rows_for("abc", 1));
        EXPECT_EQ(pw().stores.last_list_file.text(), "/before.rql");
        ASSERT_EQ(player.dialogs.messages.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_NE(player.dialogs.messages[0].find(*c.answer), std::string::npos);
        }
    }
    EXPECT_NE(player.dialogs.messages[0].find("Is a directory"), std::string::npos);

    // Another extension is no list file: the list is left empty.
    test::write_bytes(file("list.txt"), "/x/a.mpg\r\n");
    player.dialogs.answer = file("list.txt");
    editor_load(pw());
    EXPECT_EQ(paths().count(), 0);
    EXPECT_EQ(rows().count(), 0);
    EXPECT_EQ(pw().playlist.editor_entry_count, 0);
}

TEST_F(Editor, SaveWritesTheListAndANameWithoutExtensionGetsRql) {
    open("ab", 0);
    player.dialogs.answer = file("mine");
    editor_save(pw());
    EXPECT_EQ(test::read_bytes(file("mine.rql")), "/m/a.mpg\r\n/m/b.mpg\r\n");
    EXPECT_FALSE(std::filesystem::exists(file("mine")));
    EXPECT_EQ(pw().stores.last_list_file.text(), file("mine.rql"));

    editor_new(pw());
    EXPECT_EQ(rows().count(), 0);
    EXPECT_EQ(pw().playlist.editor_entry_count, 0);
    player.dialogs.answer = file("empty.m3u");
    editor_save(pw());
    ASSERT_TRUE(std::filesystem::exists(file("empty.m3u")));
    EXPECT_EQ(std::filesystem::file_size(file("empty.m3u")), 0u);

    player.dialogs.answer = file("no/such/folder.rql");
    editor_save(pw());
    ASSERT_EQ(player.dialogs.messages.size(), 1u);
    EXPECT_NE(player.dialogs.messages[0].find(file("no/such/folder.rql")), std::string::npos);
    EXPECT_EQ(pw().stores.last_list_file.text(), file("empty.m3u"));
}

TEST_F(Editor, DoubleClickMovesTheMarkerAtOnceAndAgainWhenOpened) {
    std::vector<std::string> clips;
    for (int i = 0; i < 8; ++i) {
        clips.push_back(file("clip" + std::to_string(i) + ".mpg"));
        test::write_bytes(clips.back(), "clip");
        player.engine.add_media(clips.back(), {60000, 25, Rect{0, 0, 320, 240}});
        paths().insert_at(-1, clips.back());
    }
    pw().on_create();
    pw().timer_tick();
    show_editor(pw());
    rows().set_selected(2, true);
    editor_play_selected(pw());
    player.main_ticks(2);
    ASSERT_EQ(rows().text(2), ">0003 clip2.mpg");

    rows().set_selected(2, false);
    rows().set_selected(5, true);
    player.forget_commands();
    editor_play_selected(pw());
    EXPECT_EQ(rows().text(2), " 0003 clip2.mpg");
    EXPECT_EQ(rows().text(5), " 0006 clip5.mpg");
    EXPECT_EQ(pw().editor.editor_request, 1);
    EXPECT_EQ(pw().editor.requested_entry, 5);
    player.main_ticks(2);
    EXPECT_EQ(rows().text(5), ">0006 clip5.mpg");
    EXPECT_EQ(pw().playlist.current_entry, 5);
    const auto sent = player.commands();
    EXPECT_NE(std::find(sent.begin(), sent.end(), "open \"clip5.mpg\" type mpegvideo alias movie"),
              sent.end());
    EXPECT_EQ(pw().editor.editor_request, 0);

    // Without a selection nothing is asked for.
    rows().set_selected(5, false);
    editor_play_selected(pw());
    EXPECT_EQ(pw().editor.editor_request, 0);
}

TEST_F(Editor, ASelectedEntryShowsItsFolderAndBecomesTheWorkingDirectory) {
    test::make_tree(player.dir.path(), {"films/old/"});
    paths().insert_at(-1, file("films/a.mpg"));
    paths().insert_at(-1, file("films/old/b.mpg"));
    show_editor(pw());
    rows().set_selected(1, true);
    editor_show_folder(pw());
    EXPECT_EQ(pw().editor.shown_path, file("films/old/"));
    EXPECT_EQ(player.cwd.current(), file("films/old"));
}

TEST_F(Editor, ShowPlacesTheWindowAndClosingGoesThroughTheMainWindow) {
    pw().settings.editor_rect = {30, 40, 220, 300};
    open("abc", 2);
    test::HeadlessEditorWindow& window = player.children.editor;
    ASSERT_TRUE(window.exists());
    ASSERT_FALSE(window.placements.empty());
    const WindowPlacement& at = window.placements.back();
    EXPECT_EQ((Rect{at.x, at.y, at.w, at.h}), (Rect{30, 40, 220, 300}));
    EXPECT_EQ(at.z, ZOrder::NotTopMost);
    EXPECT_TRUE(window.visible());

    const int focus = player.host.focus_calls;
    pw().playlist.current_entry = 9;
    editor_close_request(pw());
    EXPECT_EQ(pw().playlist.editor_open, 0);
    EXPECT_FALSE(window.exists());
    EXPECT_EQ(pw().playlist.current_entry, 2);
    EXPECT_EQ(player.host.focus_calls, focus + 1);
    // Every operation waits for the editor to be open again.
    editor_new(pw());
    EXPECT_EQ(paths().count(), 3);
}

TEST_F(Editor, TheTickLaysTheWindowOutAndKeepsWhereItWasMovedOrSized) {
    open("abc");
    test::HeadlessEditorWindow& window = player.children.editor;
    window.at = {100, 50, 300, 400};
    editor_resized(pw(), {300, 400});
    pw().timer_tick();
    player.main_ticks(1);
    ASSERT_EQ(window.layouts.size(), 1u);
    EXPECT_EQ(window.layouts[0], editor_control_rects({300, 400}));
    EXPECT_EQ(pw().settings.editor_rect.x, 100);
    EXPECT_EQ(pw().settings.editor_rect.h, 400);

    window.at = {7, 8, 300, 400};
    editor_window_moved(pw());
    player.main_ticks(1);
    EXPECT_EQ(window.layouts.size(), 1u);
    EXPECT_EQ(pw().settings.editor_rect.x, 7);
    EXPECT_EQ(pw().editor.editor_moved, 0);
}

TEST(EditorLayout, ControlsFollowTheSizeAndKeepTheirSmallestPlaces) {
    const auto at = [](const EditorLayout& l, EditorControl c) { return l[size_t(c)]; };
    const EditorLayout normal = editor_control_rects({200, 320});
    EXPECT_EQ(at(normal, EditorControl::List), (Rect{5, 16, 135, 275}));
    EXPECT_EQ(at(normal, EditorControl::PathBox), (Rect{5, 298, 190, 20}));
    EXPECT_EQ(at(normal, EditorControl::New), (Rect{145, 20, 50, 20}));
    EXPECT_EQ(at(normal, EditorControl::Load), (Rect{145, 45, 50, 20}));
    EXPECT_EQ(at(normal, EditorControl::Save), (Rect{145, 65, 50, 20}));
    EXPECT_EQ(at(normal, EditorControl::Sort), (Rect{145, 90, 50, 20}));
    EXPECT_EQ(at(normal, EditorControl::Delete), (Rect{145, 115, 50, 20}));
    EXPECT_EQ(at(normal, EditorControl::Up), (Rect{145, 140, 50, 20}));
    EXPECT_EQ(at(normal, EditorControl::Down), (Rect{145, 160, 50, 20}));
    EXPECT_EQ(at(normal, EditorControl::Random), (Rect{145, 190, 50, 20}));
    EXPECT_EQ(at(normal, EditorControl::Back), (Rect{145, 265, 50, 20}));

    const EditorLayout tiny = editor_control_rects({40, 60});
    EXPECT_EQ(at(tiny, EditorControl::List), (Rect{5, 16, 45, 207}));
    EXPECT_EQ(at(tiny, EditorControl::PathBox), (Rect{5, 230, 100, 20}));
    EXPECT_EQ(at(tiny, EditorControl::Random), (Rect{55, 190, 50, 20}));
    EXPECT_EQ(at(tiny, EditorControl::Back), (Rect{55, 210, 50, 20}));
    // The smallest window shows every control whole.
    for (const Rect& r : editor_control_rects(kEditorMinimumClient)) {
        EXPECT_LE(r.x + r.w, kEditorMinimumClient.w);
        EXPECT_LE(r.y + r.h, kEditorMinimumClient.h);
    }
}

TEST_F(Editor, TheQueryAnswersByKindAndClearsTheMoveOnce) {
    open("abcd", 3);
    pw().editor.editor_request = 1;
    pw().editor.requested_entry = 2;
    pw().editor.editor_moved = 1;
    const std::pair<int, int> answers[] = {{0, 1},   {1, 2},   {2, 3}, {3, 4},
                                           {100, 1}, {100, 0}, {7, 7}};
    for (const auto& [kind, value] : answers)
        EXPECT_EQ(editor_query(pw(), kind), value) << "kind " << kind;
    editor_clear(pw(), 1);
    EXPECT_EQ(pw().editor.requested_entry, 0);
    EXPECT_EQ(pw().editor.editor_request, 1);
    editor_clear(pw(), 0);
    EXPECT_EQ(pw().editor.editor_request, 0);
}

}  // namespace
}  // namespace rq
