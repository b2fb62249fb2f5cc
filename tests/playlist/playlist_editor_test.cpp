// The playlist editor's operations on a headless player: the two lists in
// step, numbers, selection, the marker, list files, and what the tick takes.

#include "playlist/playlist_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "playlist/playlist_model.h"
#include "support/player_fixture.h"
#include "support/tree.h"

namespace rq {
namespace {

using test::rows_of;
using Rows = std::vector<std::string>;
using Ints = std::vector<int>;

// Rows written out by hand: " 0003 c.mpg", ">" on row `marker`.
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

// A player with the editor open on "/m/<letter>.mpg" entries, the marker on
// `marked` and the rows `selected` selected.
struct Editor {
    explicit Editor(std::string_view letters, int marked = 0, const Ints& selected = {}) {
        life().init_dialog();
        for (char c : letters)
            pw().stores.path_list.insert_at(-1, std::string("/m/") + c + ".mpg");
        pw().playlist.current_entry = marked;
        show_editor(pw());
        for (int i : selected)
            rows().set_selected(i, true);
    }
    rq::Player& pw() { return *player.pw; }
    PlayerLifecycle& life() { return *player.life; }
    ListStore& rows() { return pw().editor.row_list; }
    std::string order() {
        std::string out;
        for (const std::string& p : rows_of(pw().stores.path_list))
            out += p.substr(3, 1);
        return out;
    }
    Ints selection() {
        Ints out;
        for (int i = 0; i < rows().count(); ++i)
            if (rows().selected(i)) out.push_back(i);
        return out;
    }
    std::string file(const std::string& name) { return player.dir / name; }
    test::Player player;
};

TEST(EditorEdits, UpDownAndDeleteKeepRowsNumbersSelectionAndMarkerInStep) {
    struct Case {
        void (*op)(Player&);
        Ints selected;
        int marked;
        const char* after;
        Ints selected_after;
        int marked_after;
        int marker_row;  // the row showing ">", -1 none
    };
    const Case cases[] = {
        {editor_up, {0, 2}, 4, "abcdef", {0, 2}, 4, 4},    // the first row among them
        {editor_down, {3, 5}, 4, "abcdef", {3, 5}, 4, 4},  // the last row among them
        {editor_up, {3, 4}, 0, "abdecf", {2, 3}, 0, 0},
        {editor_down, {1, 2}, 5, "adbcef", {2, 3}, 5, 5},
        {editor_up, {3}, 3, "abdcef", {2}, 2, 2},  // the marked row
        {editor_up, {3}, 2, "abdcef", {2}, 3, 3},  // the row below it
        {editor_down, {2}, 2, "abdcef", {3}, 3, 3},
        {editor_down, {2}, 3, "abdcef", {3}, 2, 2},  // the row above it
        {editor_delete, {1, 4}, 0, "acdf", {1}, 0, 0},
        {editor_delete, {0, 3}, 5, "bcef", {0}, 3, 3},  // the marked index follows its row
        {editor_delete, {4, 5}, 0, "abcd", {3}, 0, 0},  // the last two: the new last
        {editor_delete, {}, 2, "abcdef", {0}, 2, 2},
        // The marked row itself went: the index names the row in its place.
        {editor_delete, {2}, 2, "abdef", {2}, 2, -1},
        {editor_delete, {0, 1, 2, 3, 4, 5}, 3, "", {}, 0, -1},
    };
    for (const Case& c : cases) {
        Editor e("abcdef", c.marked, c.selected);
        c.op(e.pw());
        const std::string what = ::testing::PrintToString(c.selected) + " -> " + c.after;
        EXPECT_EQ(e.order(), c.after) << what;
        EXPECT_EQ(rows_of(e.rows()), rows_for(c.after, c.marker_row)) << what;
        EXPECT_EQ(e.selection(), c.selected_after) << what;
        EXPECT_EQ(e.pw().playlist.marked_entry, c.marked_after) << what;
        EXPECT_EQ(e.pw().playlist.editor_entry_count, e.rows().count()) << what;
    }
}

TEST(EditorEdits, SortCyclesPathAndNameUpAndDownOverAllRowsOrTheSelectedOnes) {
    Editor e("");
    // Unfolded, "Y" and "D" would sort before "_" and "b".
    for (const char* p : {"/b/x2.mpg", "/a/Y1.mpg", "/c/_z.mpg", "/D/w3.avi"})
        e.pw().stores.path_list.insert_at(-1, p);
    e.pw().playlist.current_entry = 1;
    show_editor(e.pw());
    e.rows().set_selected(2, true);  // one row: all of them take part
    const Rows presses[] = {
        {"/a/Y1.mpg", "/b/x2.mpg", "/c/_z.mpg", "/D/w3.avi"},
        {"/D/w3.avi", "/c/_z.mpg", "/b/x2.mpg", "/a/Y1.mpg"},
        {"/c/_z.mpg", "/D/w3.avi", "/b/x2.mpg", "/a/Y1.mpg"},
        {"/a/Y1.mpg", "/b/x2.mpg", "/D/w3.avi", "/c/_z.mpg"},
        {"/a/Y1.mpg", "/b/x2.mpg", "/c/_z.mpg", "/D/w3.avi"},
    };
    for (const Rows& after : presses) {
        editor_sort(e.pw());
        EXPECT_EQ(rows_of(e.pw().stores.path_list), after);
    }
    EXPECT_EQ(rows_of(e.rows()),
              (Rows{">0001 Y1.mpg", " 0002 x2.mpg", " 0003 _z.mpg", " 0004 w3.avi"}));
    EXPECT_EQ(e.pw().playlist.marked_entry, 0);

    Editor some("hgfedcba", 7, {2, 5, 7});
    editor_sort(some.pw());
    EXPECT_EQ(some.order(), "hgaedcbf");
    EXPECT_EQ(some.selection(), (Ints{2, 5, 7}));
    EXPECT_EQ(rows_of(some.rows()), rows_for("hgaedcbf", 2));
    EXPECT_EQ(some.pw().playlist.marked_entry, 2);
}

TEST(EditorEdits, RandomShufflesBothListsAndTheMarkerStaysOnItsEntry) {
    Editor one("a", 0, {0});
    editor_random(one.pw());
    EXPECT_EQ(rows_of(one.rows()), Rows{">0001 a.mpg"});

    // 52 entries: a shuffle that leaves them all in place does not happen.
    std::string letters;
    for (char c = 'A'; c <= 'z'; ++c)
        if (std::isalpha(static_cast<unsigned char>(c))) letters += c;
    Editor e(letters, 10, {1, 2});
    editor_random(e.pw());
    const std::string shuffled = e.order();
    EXPECT_NE(shuffled, letters);
    EXPECT_TRUE(std::is_permutation(shuffled.begin(), shuffled.end(), letters.begin()));
    const int marked = e.pw().playlist.marked_entry;
    EXPECT_EQ(shuffled[size_t(marked)], letters[10]);
    EXPECT_EQ(rows_of(e.rows()), rows_for(shuffled, marked));
    EXPECT_TRUE(e.selection().empty());
}

TEST(EditorFiles, LoadReplacesTheListOrSaysWhyItCouldNotAndChangesNothing) {
    Editor e("abcdefghij", 7);
    e.life().on_create();
    e.life().timer_tick();
    std::filesystem::create_directory(e.file("folder.rql"));
    e.pw().stores.last_list_file.set_text(e.file("old/gone.rql"));
    for (const char* name : {"missing.rql", "folder.rql"}) {
        e.player.dialogs.answer = e.file(name);
        editor_load(e.pw());
        EXPECT_EQ(e.order(), "abcdefghij");
        EXPECT_EQ(e.pw().stores.last_list_file.text(), e.file("old/gone.rql"));
    }
    ASSERT_EQ(e.player.dialogs.messages.size(), 2u);
    EXPECT_NE(e.player.dialogs.messages[1].find(e.file("folder.rql")), std::string::npos);
    EXPECT_NE(e.player.dialogs.messages[1].find("Is a directory"), std::string::npos);
    // The dialog opened where the last list file was, as far as it exists.
    EXPECT_EQ(e.player.cwd.current() + "/", e.player.dir.path());
    EXPECT_EQ(e.pw().editor.shown_path, e.file("old/gone.rql"));

    test::write_bytes(e.file("three.rql"), "/x/one.mpg\r\n#c\r\n/x/two.avi\r\n/y/three.mp3\r\n");
    e.player.dialogs.answer = e.file("three.rql");
    editor_load(e.pw());
    EXPECT_EQ(e.player.dialogs.filter, "Select List File|*.rql;*.m3u||");
    EXPECT_EQ(e.player.dialogs.extension, "rql");
    EXPECT_EQ(rows_of(e.rows()), (Rows{" 0001 one.mpg", " 0002 two.avi", " 0003 three.mp3"}));
    EXPECT_EQ(e.pw().stores.last_list_file.text(), e.file("three.rql"));
    e.player.main_ticks(1);
    EXPECT_EQ(e.pw().playlist.entry_count, 3);

    // Another extension is no list file: the list is left empty.
    e.player.dialogs.answer = e.file("three.txt");
    editor_load(e.pw());
    EXPECT_EQ(e.pw().stores.path_list.count(), 0);
    EXPECT_EQ(e.rows().count(), 0);
}

TEST(EditorFiles, SaveAddsRqlToABareNameNewThenSaveWritesNothingAndFailuresAreTold) {
    Editor e("ab");
    e.player.dialogs.answer = e.file("mine");
    editor_save(e.pw());
    EXPECT_EQ(test::read_bytes(e.file("mine.rql")), "/m/a.mpg\r\n/m/b.mpg\r\n");
    EXPECT_EQ(e.pw().stores.last_list_file.text(), e.file("mine.rql"));

    editor_new(e.pw());
    e.player.dialogs.answer = e.file("empty.m3u");
    editor_save(e.pw());
    ASSERT_TRUE(std::filesystem::exists(e.file("empty.m3u")));
    EXPECT_EQ(std::filesystem::file_size(e.file("empty.m3u")), 0u);

    e.player.dialogs.answer = e.file("no/such.rql");
    editor_save(e.pw());
    ASSERT_EQ(e.player.dialogs.messages.size(), 1u);
    EXPECT_NE(e.player.dialogs.messages[0].find(e.file("no/such.rql")), std::string::npos);
    EXPECT_EQ(e.pw().stores.last_list_file.text(), e.file("empty.m3u"));
}

TEST(EditorPlay, DoubleClickTakesTheMarkerOffAtOnceAndTheOpenPutsItOnTheNewRow) {
    Editor e("");
    for (int i = 0; i < 8; ++i) {
        const std::string clip = e.file("clip" + std::to_string(i) + ".mpg");
        test::write_bytes(clip, "clip");
        e.player.engine.add_media(clip, {60000, 25, Rect{0, 0, 320, 240}});
        e.pw().stores.path_list.insert_at(-1, clip);
    }
    e.life().on_create();
    e.life().timer_tick();
    show_editor(e.pw());
    e.rows().set_selected(2, true);
    editor_play_selected(e.pw());
    e.player.main_ticks(2);
    ASSERT_EQ(e.rows().text(2), ">0003 clip2.mpg");

    e.rows().set_selected(2, false);
    e.rows().set_selected(5, true);
    e.player.forget_commands();
    editor_play_selected(e.pw());
    EXPECT_EQ(e.rows().text(2), " 0003 clip2.mpg");
    EXPECT_EQ(e.rows().text(5), " 0006 clip5.mpg");
    e.player.main_ticks(2);
    EXPECT_EQ(e.rows().text(5), ">0006 clip5.mpg");
    EXPECT_EQ(e.pw().playlist.current_entry, 5);
    const auto sent = e.player.commands();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "open \"clip5.mpg\" type mpegvideo alias movie"),
              1);
}

TEST(EditorWindow, ShowFolderPlacementLayoutAndClose) {
    Editor e("");
    test::make_tree(e.player.dir.path(), {"films/old/"});
    e.pw().stores.path_list.insert_at(-1, e.file("films/old/b.mpg"));
    e.pw().settings.editor_rect = {30, 40, 220, 300};
    show_editor(e.pw());
    test::HeadlessEditorWindow& window = e.player.children.editor;
    const WindowPlacement at = window.placements.back();
    EXPECT_EQ((Rect{at.x, at.y, at.w, at.h}), (Rect{30, 40, 220, 300}));
    EXPECT_EQ(at.z, ZOrder::NotTopMost);

    e.rows().set_selected(0, true);
    editor_show_folder(e.pw());
    EXPECT_EQ(e.pw().editor.shown_path, e.file("films/old/"));
    EXPECT_EQ(e.player.cwd.current(), e.file("films/old"));

    // The tick lays the window out after a resize and keeps where it went.
    window.at = {100, 50, 300, 400};
    editor_resized(e.pw(), {300, 400});
    e.player.main_ticks(1);
    ASSERT_EQ(window.layouts.size(), 1u);
    EXPECT_EQ(window.layouts[0], editor_control_rects({300, 400}));
    window.at = {7, 8, 300, 400};
    editor_window_moved(e.pw());
    e.player.main_ticks(1);
    EXPECT_EQ(window.layouts.size(), 1u);
    EXPECT_EQ(e.pw().settings.editor_rect.x, 7);

    editor_close_request(e.pw());
    EXPECT_EQ(e.pw().playlist.editor_open, 0);
    EXPECT_FALSE(window.exists());
    editor_new(e.pw());  // closed: nothing happens
    EXPECT_EQ(e.pw().stores.path_list.count(), 1);
}

TEST(EditorWindow, TheDefaultPlaceGivesWayToTheFaceAndStaysSaved) {
    // The face at 0, 0 (406 x 92) on a 1920 x 1080 desktop.
    Editor e("ab");
    test::HeadlessEditorWindow& window = e.player.children.editor;
    auto& video = e.player.children.video_window;
    video.create();
    auto opened = [&] {
        editor_close_request(e.pw());
        show_editor(e.pw());
        return window.at;
    };
    const auto fresh = Settings{}.editor_rect;
    ASSERT_EQ((Rect{fresh.x, fresh.y, fresh.w, fresh.h}), (Rect{10, 10, 200, 320}));

    // Below the face stands the video window: to the face's right.
    video.at = {0, 92, 320, 240};
    EXPECT_EQ(opened(), (Rect{406, 0, 200, 320}));
    // A file without a picture leaves the place below free.
    video.at = {0, 92, 0, 0};
    EXPECT_EQ(opened(), (Rect{0, 92, 200, 320}));
    // No room beside the face on the desktop: the saved place.
    video.at = {0, 92, 320, 240};
    e.player.host.desktop = {600, 480};
    EXPECT_EQ(opened(), (Rect{10, 10, 200, 320}));
    e.player.host.desktop = {1920, 1080};
    // Off the face, the default place is kept; so is a place of the user's.
    e.pw().settings.main_window_pos = {500, 500};
    EXPECT_EQ(opened(), (Rect{10, 10, 200, 320}));
    e.pw().settings.main_window_pos = {0, 0};
    e.pw().settings.editor_rect = {30, 40, 200, 320};
    EXPECT_EQ(opened(), (Rect{30, 40, 200, 320}));

    // Beside the face, a resize is saved but the place stays the default
    // until the user moves the window.
    e.pw().settings.editor_rect = fresh;
    EXPECT_EQ(opened(), (Rect{406, 0, 200, 320}));
    window.at = {406, 0, 250, 350};
    editor_resized(e.pw(), {250, 350});
    editor_window_moved(e.pw());
    e.player.main_ticks(2);
    const auto& saved = e.pw().settings.editor_rect;
    EXPECT_EQ((Rect{saved.x, saved.y, saved.w, saved.h}), (Rect{10, 10, 250, 350}));
    window.at = {420, 30, 250, 350};
    editor_window_moved(e.pw());
    e.player.main_ticks(1);
    EXPECT_EQ((Rect{saved.x, saved.y, saved.w, saved.h}), (Rect{420, 30, 250, 350}));
    EXPECT_EQ(opened(), (Rect{420, 30, 250, 350}));
}

TEST(EditorWindow, ControlsFollowTheSizeAndKeepTheirSmallestPlaces) {
    // List, box, New, Load, Save, Sort, Delete, Up, Down, Random, Back.
    const EditorLayout normal{{{5, 16, 135, 275},
                               {5, 298, 190, 20},
                               {145, 20, 50, 20},
                               {145, 45, 50, 20},
                               {145, 65, 50, 20},
                               {145, 90, 50, 20},
                               {145, 115, 50, 20},
                               {145, 140, 50, 20},
                               {145, 160, 50, 20},
                               {145, 190, 50, 20},
                               {145, 265, 50, 20}}};
    EXPECT_EQ(editor_control_rects({200, 320}), normal);
    const EditorLayout tiny = editor_control_rects({40, 60});
    EXPECT_EQ(tiny[size_t(EditorControl::List)], (Rect{5, 16, 45, 207}));
    EXPECT_EQ(tiny[size_t(EditorControl::PathBox)], (Rect{5, 230, 100, 20}));
    EXPECT_EQ(tiny[size_t(EditorControl::Back)], (Rect{55, 210, 50, 20}));
    for (const Rect& r : editor_control_rects(kEditorMinimumClient)) {
        EXPECT_LE(r.x + r.w, kEditorMinimumClient.w);
        EXPECT_LE(r.y + r.h, kEditorMinimumClient.h);
    }
}

}  // namespace
}  // namespace rq
