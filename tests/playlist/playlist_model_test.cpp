#include "playlist/playlist_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "platform/random_draw.h"
#include "support/player_fixture.h"
#include "support/tree.h"

namespace rq {
namespace {

using test::rows_of;

TEST(ListRow, FormatsNumberNameAndMarker) {
    struct Case {
        int index;
        std::string path;
        bool marked;
        std::string row;
    };
    const Case cases[] = {
        {11, "/music/song.mp3", true, ">0012 song.mp3"},
        {0, "/v/clip.mpg", false, " 0001 clip.mpg"},
        {0, "/v/no extension", false, " 0001 no extension"},
        {4, "/a.b/c.d.avi", false, " 0005 c.d.avi"},
        {9998, "/x/a.avi", false, " 9999 a.avi"},
        {9999, "/x/a.avi", true, ">10000 a.avi"},
        {123455, "/x/a.avi", false, " 123456 a.avi"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(list_row(c.index, c.path, c.marked), c.row) << c.path;
}

TEST(ListRow, RenumberRewritesTheWholeNumberOnly) {
    struct Case {
        std::string row;
        int index;
        std::string out;
    };
    const Case cases[] = {
        {" 0001 a.mpg", 11, " 0012 a.mpg"},
        {">0003 my song.mp3", 0, ">0001 my song.mp3"},
        {" 9999 a.mpg", 9999, " 10000 a.mpg"},
        {">10000 a.mpg", 4, ">0005 a.mpg"},
        {" 0002 ", 2, " 0003 "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(renumber_row(c.row, c.index), c.out) << c.row;
}

struct EditorFixture : ::testing::Test {
    void fill(int n) {
        for (int i = 0; i < n; ++i)
            pw().stores.path_list.insert_at(i, "/m/f" + std::to_string(i) + ".mpg");
        pw().playlist.entry_count = n;
    }
    rq::Player& pw() { return *player.pw; }
    PlayerLifecycle& life() { return *player.life; }
    ListStore& rows() { return pw().editor.row_list; }
    test::Player player;
};

TEST_F(EditorFixture, ShowBuildsRowsAndMarksTheCurrentEntry) {
    fill(3);
    pw().playlist.current_entry = 1;
    show_editor(pw());
    EXPECT_EQ(pw().playlist.editor_open, 1);
    EXPECT_EQ(pw().playlist.editor_entry_count, 3);
    EXPECT_EQ(pw().playlist.marked_entry, 1);
    EXPECT_EQ(rows_of(rows()),
              (std::vector<std::string>{" 0001 f0.mpg", ">0002 f1.mpg", " 0003 f2.mpg"}));
}

TEST_F(EditorFixture, MarkingRewritesOldAndNewRowOnlyAndKeepsSelection) {
    fill(8);
    pw().playlist.current_entry = 2;
    show_editor(pw());
    rows().set_selected(5, true);
    std::vector<int> touched;
    rows().set_listener([&](int first) { touched.push_back(first); });
    mark_current_entry(pw(), 0, 5);
    rows().set_listener(nullptr);

    for (int t : touched)
        EXPECT_TRUE(t == 2 || t == 5) << t;
    EXPECT_EQ(rows().text(2), " 0003 f2.mpg");
    EXPECT_EQ(rows().text(5), ">0006 f5.mpg");
    EXPECT_TRUE(rows().selected(5));
    EXPECT_FALSE(rows().selected(2));
    EXPECT_EQ(pw().playlist.marked_entry, 5);
    const auto all = rows_of(rows());
    EXPECT_EQ(
        std::count_if(all.begin(), all.end(), [](const std::string& r) { return r[0] == '>'; }), 1);
}

TEST_F(EditorFixture, MarkingAfterTheListShrankRewritesOnlyTheNewRow) {
    fill(5);
    show_editor(pw());
    pw().playlist.marked_entry = 7;
    mark_current_entry(pw(), 0, 3);
    EXPECT_EQ(rows().count(), 5);
    EXPECT_EQ(rows().text(3), ">0004 f3.mpg");
    EXPECT_EQ(pw().playlist.marked_entry, 3);
}

TEST_F(EditorFixture, MarkingDoesNothingWhenSkippedOrEmptyAndNeverGrowsTheRows) {
    fill(3);
    show_editor(pw());
    const auto before = rows_of(rows());
    mark_current_entry(pw(), 1, 2);
    EXPECT_EQ(rows_of(rows()), before);
    EXPECT_EQ(pw().playlist.marked_entry, 0);

    // An index past the rows moves the index but adds no row.
    mark_current_entry(pw(), 0, 3);
    EXPECT_EQ(rows().count(), 3);
    EXPECT_EQ(rows().text(0), " 0001 f0.mpg");

    pw().stores.path_list.clear();
    pw().playlist.marked_entry = 1;
    mark_current_entry(pw(), 0, 0);
    EXPECT_EQ(pw().playlist.marked_entry, 1);
}

TEST_F(EditorFixture, ClosingKeepsTheCurrentEntryInTheList) {
    fill(8);
    show_editor(pw());
    for (int i = 0; i < 3; ++i)
        pw().stores.path_list.delete_at(0);
    pw().playlist.current_entry = 7;
    close_editor(pw());
    EXPECT_EQ(pw().playlist.editor_open, 0);
    EXPECT_EQ(pw().playlist.entry_count, 5);
    EXPECT_EQ(pw().playlist.current_entry, 4);
    EXPECT_TRUE(rows().empty());

    // Reopening puts the marker back; closing an emptied list leaves entry 0.
    pw().playlist.current_entry = 2;
    show_editor(pw());
    EXPECT_EQ(rows().text(2), ">0003 f5.mpg");
    pw().stores.path_list.clear();
    close_editor(pw());
    EXPECT_EQ(pw().playlist.current_entry, 0);
    EXPECT_EQ(pw().playlist.entry_count, 0);
}

TEST_F(EditorFixture, ShuffleOrderIsAPermutationOfTheEntries) {
    for (int n : {1, 2, 3, 10, 1000, 40000}) {
        pw().playlist.entry_count = n;
        pw().playlist.current_entry = n / 2;
        pw().playlist.random.seed(static_cast<uint64_t>(n));
        build_shuffle_order(pw());
        std::vector<int> sorted = pw().playlist.shuffle_order;
        std::sort(sorted.begin(), sorted.end());
        std::vector<int> want(static_cast<size_t>(n));
        std::iota(want.begin(), want.end(), 0);
        EXPECT_EQ(sorted, want) << n;
        EXPECT_EQ(pw().playlist.shuffle_count, n);
        EXPECT_EQ(pw().playlist.shuffle_position, n / 2);
        EXPECT_EQ(pw().playlist.current_entry, n / 2) << "shuffle is off";
    }
}

TEST_F(EditorFixture, ShuffleOnStartsWithTheFirstOfTheOrder) {
    pw().settings.shuffle = 1;
    pw().playlist.entry_count = 1;
    build_shuffle_order(pw());
    EXPECT_EQ(pw().playlist.shuffle_order, std::vector<int>{0});
    EXPECT_EQ(pw().playlist.current_entry, 0);

    pw().playlist.entry_count = 50;
    bool moved = false;
    for (uint64_t seed = 1; seed < 20; ++seed) {
        pw().playlist.current_entry = 0;
        pw().playlist.random.seed(seed);
        build_shuffle_order(pw());
        EXPECT_EQ(pw().playlist.current_entry, pw().playlist.shuffle_order.front());
        moved = moved || pw().playlist.current_entry != 0;
    }
    EXPECT_TRUE(moved);
}

TEST_F(EditorFixture, ShuffleOfNoEntriesLeavesAnEmptyTable) {
    pw().playlist.shuffle_order = {0, 1};
    pw().playlist.entry_count = 0;
    build_shuffle_order(pw());
    EXPECT_TRUE(pw().playlist.shuffle_order.empty());
}

TEST_F(EditorFixture, ShuffleIsReproducibleFromASeed) {
    pw().playlist.entry_count = 100;
    pw().playlist.random.seed(7);
    build_shuffle_order(pw());
    const std::vector<int> first = pw().playlist.shuffle_order;
    pw().playlist.random.seed(7);
    build_shuffle_order(pw());
    EXPECT_EQ(pw().playlist.shuffle_order, first);
    build_shuffle_order(pw());
    EXPECT_NE(pw().playlist.shuffle_order, first);
}

// The old generator never produced a value above 32767: on a long list most
// positions could not be drawn. Every quarter of a long range must be hit
// about equally often.
TEST(RandomBelow, CoversTheWholeRangeEvenly) {
    PlaylistRandom rng(12345);
    const int n = 100000;
    int quarters[4] = {0, 0, 0, 0};
    const int draws = 40000;
    for (int i = 0; i < draws; ++i) {
        const int r = random_below(rng, n);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, n);
        ++quarters[r / (n / 4)];
    }
    for (int q : quarters) {
        EXPECT_GT(q, draws / 4 - 600);
        EXPECT_LT(q, draws / 4 + 600);
    }
    EXPECT_EQ(random_below(rng, 1), 0);
    EXPECT_EQ(random_below(rng, 0), 0);
}

}  // namespace
}  // namespace rq
