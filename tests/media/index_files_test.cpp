// The index file and the timed-text file of the open media file: where
// they are looked for, how they read, and the index file written back.

#include <gtest/gtest.h>

#include <filesystem>

#include "media/index_files.h"
#include "media/open_entry.h"
#include "playlist/index_marks.h"
#include "support/player_fixture.h"

namespace rq {
namespace {

std::vector<std::string> rows(const ListStore& s) {
    std::vector<std::string> out;
    for (int i = 0; i < s.count(); ++i)
        out.push_back(s.text(i));
    return out;
}

class IndexFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(p.dir / "media");
        test::write_bytes(clip, "0123456789");  // 10 bytes: "clip(10).idx" in "Index"
        p.engine.add_media(clip, {60000, 25.0, Rect{0, 0, 320, 240}});
        p.pw->init_dialog();
        p.pw->stores.path_list.insert_at(-1, clip);
    }
    void open() { ASSERT_EQ(open_current_entry(pw()), OpenResult::Opened); }
    PlayerWindow& pw() { return *p.pw; }
    std::string beside(const char* ext) { return p.dir / "media/clip" + ext; }
    std::string in_index(const char* ext) { return p.dir / "Index/clip(10)" + ext; }

    test::Player p;
    std::string clip = p.dir / "media/clip.avi";
};

TEST_F(IndexFiles, IndexLinesReadInFileOrder) {
    struct Case {
        const char* what;
        std::string file;
        std::vector<std::string> free_lines, marks, texts;
    } cases[] = {
        {"descending entries stay unsorted",
         "note\r\n[IndexTime]\r\n[30000]c\r\n[10000]a\r\n[20000]\r\n",
         {"note"},
         {"30000", "10000", "20000"},
         {"c", "a", ""}},
        {"no [IndexTime]: free lines only", "a\r\n[100]b\r\n", {"a", "[100]b"}, {}, {}},
        {"the heading in any case, bare LF and no final line end",
         "\r\n[indextime]\n[5]x\r\n[6]y",
         {""},
         {"5", "6"},
         {"x", "y"}},
        {"lines without \"[\" or \"]\" are no entries",
         "[INDEXTIME]\r\nplain\r\n[123 no close\r\n[7]]\r\n",
         {},
         {"7"},
         {"]"}},
        {"long texts and digits past 32 bits are kept as written",
         "[IndexTime]\r\n[99999999999]" + std::string(300, 't') + "\r\n",
         {},
         {"99999999999"},
         {std::string(300, 't')}},
    };
    for (const Case& c : cases) {
        test::write_bytes(beside(".idx"), c.file);
        open();
        EXPECT_EQ(rows(pw().stores.index_free_lines), c.free_lines) << c.what;
        EXPECT_EQ(rows(pw().stores.index_marks), c.marks) << c.what;
        EXPECT_EQ(rows(pw().stores.index_texts), c.texts) << c.what;
    }
    // An oversized position reads as the largest time: every mark lies ahead.
    EXPECT_EQ(pw().marks.index_count_before, 0);
    EXPECT_EQ(pw().marks.next_mark_time, 2147483647);
}

TEST_F(IndexFiles, TheIndexFolderComesFirst) {
    test::write_bytes(beside(".idx"), "[IndexTime]\r\n[1]beside\r\n");
    open();
    EXPECT_EQ(rows(pw().stores.index_texts), std::vector<std::string>{"beside"});
    std::filesystem::create_directories(p.dir / "Index");
    test::write_bytes(in_index(".idx"), "[IndexTime]\r\n[2]folder\r\n");
    open();
    EXPECT_EQ(rows(pw().stores.index_texts), std::vector<std::string>{"folder"});
}

TEST_F(IndexFiles, SavedIndexIsExactlyWhatWasReadPlusTheNewMark) {
    const std::string before =
        "free \x82\xA0 line\r\n\r\n[IndexTime]\r\n[10000]\x83"
        "A"
        "\r\n";
    test::write_bytes(beside(".idx"), before);
    pw().settings.index_beside_file = 1;
    open();
    p.ask("seek movie to 20000");
    index_mark_step(pw(), MarkOp::Add);
    save_index(pw());
    EXPECT_EQ(pw().marks.index_changed, 0);
    const std::string after = before + "[20000]\r\n";
    EXPECT_EQ(test::read_bytes(beside(".idx")), after);
    // No temporary file is left beside it.
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(p.dir / "media"))
        files += e.is_regular_file();
    EXPECT_EQ(files, 2);

    open();
    EXPECT_EQ(rows(pw().stores.index_free_lines),
              (std::vector<std::string>{"free \x82\xA0 line", ""}));
    EXPECT_EQ(rows(pw().stores.index_marks), (std::vector<std::string>{"10000", "20000"}));
    EXPECT_EQ(rows(pw().stores.index_texts), (std::vector<std::string>{"\x83"
                                                                       "A",
                                                                       ""}));
    // Unchanged marks are not written.
    test::write_bytes(beside(".idx"), "x");
    save_index(pw());
    EXPECT_EQ(test::read_bytes(beside(".idx")), "x");
}

TEST_F(IndexFiles, SavingGoesToTheIndexFolderOnlyWhenItExists) {
    open();
    p.ask("seek movie to 5000");
    index_mark_step(pw(), MarkOp::Add);
    save_index(pw());  // index_beside_file 0 and no "Index" folder: nowhere
    EXPECT_FALSE(std::filesystem::exists(p.dir / "Index"));
    EXPECT_FALSE(std::filesystem::exists(beside(".idx")));
    EXPECT_EQ(pw().marks.index_changed, 0);

    std::filesystem::create_directories(p.dir / "Index");
    index_mark_step(pw(), MarkOp::Add);
    save_index(pw());
    EXPECT_EQ(test::read_bytes(in_index(".idx")), "[IndexTime]\r\n[5000]\r\n[5000]\r\n");
    EXPECT_FALSE(std::filesystem::exists(beside(".idx")));
}

TEST_F(IndexFiles, TimedTextLines) {
    struct Case {
        const char* what;
        std::string file;
        std::vector<int> times;  // from entry 1 on, then the end entry
        std::vector<std::string> lines;
    } cases[] = {
        {"every tag form",
         "[01:23]a\r\n[01:23:500]b\r\n[83400]c\r\n01:22=d\r\n",
         {82000, 83000, 83400, 83500, 60000},
         {"", "d", "a", "c", "b"}},
        {"two tags, one text", "[00:05][00:10]x\r\n", {5000, 10000, 60000}, {"", "x", "x"}},
        {"an equal time goes before the earlier line",
         "[00:05]old\r\n[00:05]new\r\n",
         {5000, 5000, 60000},
         {"", "new", "old"}},
        {"time 0 replaces row 0",
         "[00:00]intro\r\n[00:01]one\r\n",
         {1000, 60000},
         {"intro", "one"}},
        {"lines that are not timed",
         "[01:02.50]dot\r\n[1:23]short\r\n[00:01:02:03]four\r\n[1234567890]ten\r\n"
         "[00:05\r\nplain\r\n[00:07",
         {60000},
         {""}},
        {"a tag past 32 bits is dropped, the line's other tags stay",
         "[999999999:00][00:02]x\r\n",
         {2000, 60000},
         {"", "x"}},
        {"CP932 text is decoded", "[00:01]\x82\xA0\r\n", {1000, 60000}, {"", "\xE3\x81\x82"}},
    };
    for (const Case& c : cases) {
        test::write_bytes(beside(".txt"), c.file);
        open();
        const IndexState& ix = pw().index;
        EXPECT_EQ(rows(pw().stores.timed_text_lines), c.lines) << c.what;
        std::vector<int> times(ix.index_times.begin() + 1,
                               ix.index_times.begin() + 1 + long(c.times.size()));
        EXPECT_EQ(times, c.times) << c.what;
        EXPECT_EQ(ix.index_times[0], 0) << c.what;
        EXPECT_EQ(ix.index_times[c.times.size() + 1], -1) << c.what;
        EXPECT_EQ(ix.index_time_count, int(c.lines.size())) << c.what;
        EXPECT_EQ(ix.timed_text_loaded, 1) << c.what;
        EXPECT_EQ(ix.display_field_mode, 2) << c.what;
    }
    // Fifty tags a line at most.
    std::string many;
    for (int i = 1; i <= 60; ++i)
        many += "[" + std::to_string(i * 10) + "]";
    test::write_bytes(beside(".txt"), many + "=m\r\n");
    pw().settings.title_field_mode = 1;
    open();
    EXPECT_EQ(pw().index.index_time_count, 51);
    EXPECT_EQ(pw().index.index_times[50], 500);
    EXPECT_EQ(pw().index.display_field_mode, 1);
}

TEST_F(IndexFiles, TheTableKeeps3598TagsAndItsEnd) {
    std::string file;
    for (int i = 1; i <= 4000; ++i)
        file += "[" + std::to_string(i) + "]" + std::to_string(i) + "\r\n";
    test::write_bytes(beside(".txt"), file);
    open();
    const IndexState& ix = pw().index;
    EXPECT_EQ(ix.index_time_count, 3599);
    EXPECT_EQ(ix.index_times[3598], 3598);
    EXPECT_EQ(ix.index_times[3599], 60000);
    EXPECT_EQ(pw().stores.timed_text_lines.text(3598), "3598");
}

TEST_F(IndexFiles, NoTextFileLeavesNoTable) {
    test::write_bytes(beside(".txt"), "[00:01]x\r\n");
    open();
    std::filesystem::remove(beside(".txt"));
    pw().index.display_field_mode = 2;
    open();
    const IndexState& ix = pw().index;
    EXPECT_TRUE(
        std::all_of(ix.index_times.begin(), ix.index_times.end(), [](int t) { return t == -1; }));
    EXPECT_EQ(ix.index_time_count, 0);
    EXPECT_EQ(ix.timed_text_loaded, 0);
    EXPECT_EQ(ix.display_field_mode, 1);
    EXPECT_EQ(ix.title_redraw, 3);
}

// As the position moves, the tick picks the segment and the line rendered
// for it is that segment's text.
TEST_F(IndexFiles, TheRenderedLineFollowsThePosition) {
    test::write_bytes(beside(".txt"), "[00:00]intro\r\n[00:01]one\r\n[00:02]two\r\n");
    p.start();
    ASSERT_EQ(p.engine.open_path(), clip);
    for (auto [ms, line] :
         {std::pair{1500, "one |"}, {2500, "two |"}, {500, "intro |"}, {1900, "one |"}}) {
        p.ask("seek movie to " + std::to_string(ms));
        pw().index.title_redraw = 0;
        p.main_ticks(1);
        ASSERT_EQ(pw().index.title_redraw, 1) << ms;
        render_timed_text_line(pw());
        EXPECT_EQ(p.text.lines.back().text, line) << ms;
        EXPECT_EQ(p.text.lines.back().y, 64);
    }
}

}  // namespace
}  // namespace rq
