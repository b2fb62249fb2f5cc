// The index file and the timed-text file of the open media file: where
// they are looked for, how they read, and the index file written back.

#include <gtest/gtest.h>

#include <filesystem>

#include "media/index_files.h"
#include "media/index_marks.h"
#include "media/open_entry.h"
#include "support/player_fixture.h"

namespace rq {
namespace {

using Rows = std::vector<std::string>;

Rows rows(const ListStore& s) {
    Rows out;
    for (int i = 0; i < s.count(); ++i)
        out.push_back(s.text(i));
    return out;
}

class IndexFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(p.dir / "media");
        test::write_bytes(clip, "0123456789");  // 10 bytes: "Index/clip(10).idx"
        p.engine.add_media(clip, {60000, 25.0, Rect{0, 0, 320, 240}});
        p.life->init_dialog();
        p.pw->stores.path_list.insert_at(-1, clip);
    }
    void open() { ASSERT_EQ(open_current_entry(pw()), OpenResult::Opened); }
    void add_mark_at(int ms) {
        p.ask("seek movie to " + std::to_string(ms));
        index_mark_step(pw(), MarkOp::Add);
    }
    rq::Player& pw() { return *p.pw; }
    PlayerLifecycle& life() { return *p.life; }
    std::string beside(const char* ext) { return p.dir / "media/clip" + ext; }
    std::string in_index(const char* ext) { return p.dir / "Index/clip(10)" + ext; }

    test::Player p;
    std::string clip = p.dir / "media/clip.avi";
};

TEST_F(IndexFiles, IndexLinesReadInFileOrder) {
    struct Case {
        std::string file;
        Rows free_lines, marks, texts;
    } cases[] = {
        {"note\r\n[IndexTime]\r\n[30000]c\r\n[10000]a\r\n[20000]\r\n",
         {"note"},
         {"30000", "10000", "20000"},
         {"c", "a", ""}},
        {"a\r\n[100]b\r\n", {"a", "[100]b"}, {}, {}},  // no heading: free lines only
        {"\r\n[indextime]\n[5]x\r\nplain\r\n[6 no close\r\n[7]]", {""}, {"5", "7"}, {"x", "]"}},
        {"[IndexTime]\r\n[99999999999]" + std::string(300, 't'),
         {},
         {"99999999999"},
         {std::string(300, 't')}},
    };
    for (const Case& c : cases) {
        test::write_bytes(beside(".idx"), c.file);
        open();
        EXPECT_EQ(rows(pw().stores.index_free_lines), c.free_lines) << c.file;
        EXPECT_EQ(rows(pw().stores.index_marks), c.marks) << c.file;
        EXPECT_EQ(rows(pw().stores.index_texts), c.texts) << c.file;
    }
    // A position past 32 bits reads as the largest time: the mark lies ahead.
    EXPECT_EQ(pw().marks.next_mark_time, 2147483647);
}

TEST_F(IndexFiles, SavedIndexReadsBackByteForByte) {
    const std::string before =
        "free \x82\xA0\r\n\r\n[IndexTime]\r\n[10000]\x83"
        "A\r\n";
    test::write_bytes(beside(".idx"), before);
    pw().settings.index_beside_file = 1;
    open();
    add_mark_at(20000);
    save_index(pw());
    EXPECT_EQ(test::read_bytes(beside(".idx")), before + "[20000]\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(p.dir / "media"), {}), 2);
    open();
    EXPECT_EQ(rows(pw().stores.index_free_lines), (Rows{"free \x82\xA0", ""}));
    EXPECT_EQ(rows(pw().stores.index_marks), (Rows{"10000", "20000"}));
    EXPECT_EQ(rows(pw().stores.index_texts), (Rows{"\x83"
                                                   "A",
                                                   ""}));
    test::write_bytes(beside(".idx"), "x");
    save_index(pw());  // unchanged marks are not written
    EXPECT_EQ(test::read_bytes(beside(".idx")), "x");
}

TEST_F(IndexFiles, TheIndexFolderIsReadFirstAndNeverMade) {
    test::write_bytes(beside(".idx"), "[IndexTime]\r\n[1]beside\r\n");
    open();
    EXPECT_EQ(rows(pw().stores.index_texts), Rows{"beside"});
    add_mark_at(5000);
    save_index(pw());  // not beside the file, and no "Index" folder: nowhere
    EXPECT_FALSE(std::filesystem::exists(p.dir / "Index"));
    EXPECT_EQ(pw().marks.index_changed, 0);

    std::filesystem::create_directories(p.dir / "Index");
    add_mark_at(5000);
    save_index(pw());
    open();
    EXPECT_EQ(rows(pw().stores.index_texts), (Rows{"beside", "", ""}));
    EXPECT_EQ(test::read_bytes(in_index(".idx")),
              "[IndexTime]\r\n[1]beside\r\n[5000]\r\n[5000]\r\n");
}

TEST_F(IndexFiles, TimedTextLines) {
    struct Case {
        std::string file;
        std::vector<int> times;  // entries 1.., then the end entry
        Rows lines;
    } cases[] = {
        {"[01:23]a\r\n[01:23:500]b\r\n[83400]c\r\n01:22=d",
         {82000, 83000, 83400, 83500, 60000},
         {"", "d", "a", "c", "b"}},
        {"[00:05][00:10]x\r\n", {5000, 10000, 60000}, {"", "x", "x"}},
        {"[00:05]old\r\n[00:05]new\r\n", {5000, 5000, 60000}, {"", "new", "old"}},
        {"[00:00]intro\r\n[00:01]\x82\xA0\r\n", {1000, 60000}, {"intro", "\xE3\x81\x82"}},
        // Not timed: a full stop, "[" read as a tag, four fields, ten digits, no end.
        {"[01:02.50]a\r\n[1:23]b\r\n[00:01:02:03]c\r\n[1234567890]d\r\n[00:05\r\nplain",
         {60000},
         {""}},
        {"[999999999:00][00:02]x", {2000, 60000}, {"", "x"}},  // a tag past 32 bits
    };
    for (const Case& c : cases) {
        test::write_bytes(beside(".txt"), c.file);
        open();
        const TimedTextState& ix = pw().timed_text;
        EXPECT_EQ(rows(pw().stores.timed_text_lines), c.lines) << c.file;
        std::vector<int> want{0};
        want.insert(want.end(), c.times.begin(), c.times.end());
        want.push_back(-1);
        EXPECT_EQ(
            std::vector<int>(ix.index_times.begin(), ix.index_times.begin() + long(want.size())),
            want)
            << c.file;
        EXPECT_EQ(ix.index_time_count, int(c.lines.size())) << c.file;
        EXPECT_EQ(ix.display_field_mode, 2) << c.file;
    }
    // Fifty tags a line, and 3598 in all.
    std::string file;
    for (int i = 1; i <= 60; ++i)
        file.append("[").append(std::to_string(i)).append("]");
    file += "fifty\r\n";
    for (int i = 100; i <= 4000; ++i)
        file.append("[")
            .append(std::to_string(i))
            .append("]")
            .append(std::to_string(i))
            .append("\r\n");
    test::write_bytes(beside(".txt"), file);
    open();
    EXPECT_EQ(pw().stores.timed_text_lines.text(50), "fifty");
    EXPECT_EQ(pw().stores.timed_text_lines.text(51), "100");
    EXPECT_EQ(pw().timed_text.index_time_count, 3599);
    EXPECT_EQ(pw().timed_text.index_times[3598], 3647);
    EXPECT_EQ(pw().timed_text.index_times[3599], 60000);

    std::filesystem::remove(beside(".txt"));
    open();
    EXPECT_EQ(
        std::count(pw().timed_text.index_times.begin(), pw().timed_text.index_times.end(), -1),
        3600);
    EXPECT_EQ(pw().timed_text.index_time_count, 0);
    EXPECT_EQ(pw().timed_text.display_field_mode, 1);
}

// The face renders the line of the segment the tick has moved to.
TEST_F(IndexFiles, TheRenderedLineFollowsThePosition) {
    test::write_bytes(beside(".txt"), "[00:00]intro\r\n[00:01]one\r\n[00:02]two\r\n");
    pw().settings.title_field_mode = 0;
    p.start();
    for (auto [ms, line] : {std::pair{1500, "one |"}, {2500, "two |"}, {500, "intro |"}}) {
        p.ask("seek movie to " + std::to_string(ms));
        p.main_ticks(1);
        std::string shown;
        for (const auto& l : p.text.lines)
            if (l.y == 64) shown = l.text;
        EXPECT_EQ(shown, line) << ms;
        EXPECT_EQ(pw().timed_text.title_redraw, 0);
    }
}

}  // namespace
}  // namespace rq
