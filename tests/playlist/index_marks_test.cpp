// Index marks of the open file: counting, adding, deleting and going to a
// mark one unit past it, by step or by the number typed on the keypad.

#include "playlist/index_marks.h"

#include <gtest/gtest.h>

#include "media/device_ops.h"
#include "media/open_entry.h"
#include "support/player_fixture.h"

namespace rq {
namespace {

std::vector<std::string> rows(const ListStore& s) {
    std::vector<std::string> out;
    for (int i = 0; i < s.count(); ++i)
        out.push_back(s.text(i));
    return out;
}

class IndexMarks : public ::testing::Test {
  protected:
    void SetUp() override {
        // 60 s at 25 frames a second: 1500 frames.
        p.engine.add_media(p.dir / "clip.avi", {60000, 25.0, Rect{0, 0, 320, 240}});
        p.pw->init_dialog();
        p.pw->stores.path_list.insert_at(-1, p.dir / "clip.avi");
        ASSERT_EQ(open_current_entry(pw()), OpenResult::Opened);
        marks({"10000", "20000", "30000"}, {"a", "b", "c"});
    }
    void marks(std::vector<std::string> at, std::vector<std::string> texts) {
        pw().stores.index_marks.assign(std::move(at));
        pw().stores.index_texts.assign(std::move(texts));
    }
    void at(int ms) { p.ask("seek movie to " + std::to_string(ms)); }
    PlayerWindow& pw() { return *p.pw; }

    test::Player p;
};

TEST_F(IndexMarks, GoingToMarks) {
    struct Case {
        const char* what;
        int position;
        std::vector<MarkOp> ops;
        int keypad_number, keypad_number_ticks, keypad_press, index_back_ticks;
        int cursor;
        int target;  // 0: no seek
    } cases[] = {
        {"locate", 25000, {MarkOp::Locate}, 0, 0, 0, 0, 2, 0},
        {"next", 25000, {MarkOp::Locate, MarkOp::Next}, 0, 0, 0, 0, 3, 30001},
        {"previous", 25000, {MarkOp::Locate, MarkOp::Previous}, 0, 0, 0, 0, 1, 10001},
        {"previous with no mark before",
         5000,
         {MarkOp::Locate, MarkOp::Previous},
         0,
         0,
         0,
         0,
         0,
         1},
        {"a position one past a mark has passed it", 20001, {MarkOp::Locate}, 0, 0, 0, 0, 2, 0},
        {"next at the last mark stays there",
         35000,
         {MarkOp::Locate, MarkOp::Next},
         0,
         0,
         0,
         0,
         3,
         30001},
        {"keypad 2, right button, next",
         5000,
         {MarkOp::Locate, MarkOp::NextBy},
         2,
         70,
         3,
         0,
         2,
         20001},
        {"keypad 2, right button, previous",
         35000,
         {MarkOp::Locate, MarkOp::PreviousBy},
         2,
         70,
         3,
         0,
         2,
         20001},
        {"keypad 2, left button: by two",
         5000,
         {MarkOp::Locate, MarkOp::NextBy},
         2,
         70,
         1,
         0,
         2,
         20001},
        {"a number no longer valid: one on",
         5000,
         {MarkOp::Locate, MarkOp::NextBy},
         2,
         1,
         3,
         0,
         1,
         10001},
        {"first BACK: start of this section",
         25000,
         {MarkOp::Locate, MarkOp::PreviousBy},
         0,
         0,
         1,
         20,
         2,
         20001},
        {"BACK again soon: the section before",
         25000,
         {MarkOp::Locate, MarkOp::PreviousBy},
         0,
         0,
         1,
         21,
         1,
         10001},
        {"a number past the last mark",
         5000,
         {MarkOp::Locate, MarkOp::PreviousBy},
         999,
         70,
         3,
         0,
         3,
         30001},
        {"an operation of no number", 25000, {MarkOp::Locate, MarkOp(8)}, 0, 0, 0, 0, 2, 0},
    };
    for (const Case& c : cases) {
        at(c.position);
        pw().transport.keypad_number = c.keypad_number;
        pw().transport.keypad_number_ticks = c.keypad_number_ticks;
        pw().input.keypad_press = c.keypad_press;
        pw().transport.index_back_ticks = c.index_back_ticks;
        p.forget_commands();
        for (MarkOp op : c.ops)
            index_mark_step(pw(), op);
        EXPECT_EQ(pw().marks.index_count_before, c.cursor) << c.what;
        std::vector<std::string> tail = p.commands();
        if (c.target == 0) {
            EXPECT_EQ(std::count(tail.begin(), tail.end(), "pause movie"), 0) << c.what;
            continue;
        }
        ASSERT_GE(tail.size(), 3u);
        tail.erase(tail.begin(), tail.end() - 3);
        EXPECT_EQ(tail,
                  (std::vector<std::string>{
                      "pause movie", "seek movie to " + std::to_string(c.target), "play movie"}))
            << c.what;
        EXPECT_EQ(pw().transport.keypad_number_ticks, 0) << c.what;
    }
}

TEST_F(IndexMarks, FramesAreSoughtInFramesAndPausedStaysPaused) {
    at(25000);
    p.ask("pause movie");
    pw().device.paused = 1;
    pw().device.prefer_milliseconds = 0;
    set_time_format(pw(), 0);
    p.forget_commands();
    index_mark_step(pw(), MarkOp::Locate);
    EXPECT_EQ(pw().marks.index_count_before, 2);  // counted in milliseconds all the same
    index_mark_step(pw(), MarkOp::Next);
    std::vector<std::string> cmds = p.commands();
    ASSERT_GE(cmds.size(), 2u);
    // 30000 ms at 40 ms a frame is frame 750.
    EXPECT_EQ(cmds[cmds.size() - 2], "pause movie");
    EXPECT_EQ(cmds.back(), "seek movie to 751");
    EXPECT_EQ(p.ask("status movie time format"), "frames");
}

TEST_F(IndexMarks, AddingAndDeleting) {
    struct Case {
        const char* what;
        int position;
        bool stopped;
        int cursor;  // before the operation
        MarkOp op;
        std::vector<std::string> marks, texts;
        int cursor_after, changed;
    } cases[] = {
        {"a mark at a mark's position goes before it",
         20000,
         false,
         0,
         MarkOp::Add,
         {"10000", "20000", "20000", "30000"},
         {"a", "", "b", "c"},
         2,
         1},
        {"adding while stopped",
         25000,
         true,
         0,
         MarkOp::Add,
         {"10000", "20000", "30000"},
         {"a", "b", "c"},
         0,
         0},
        {"delete the mark before the cursor",
         25000,
         false,
         2,
         MarkOp::Delete,
         {"10000", "30000"},
         {"a", "c"},
         2,
         1},
        {"delete at cursor 0: nothing, but changed",
         5000,
         false,
         0,
         MarkOp::Delete,
         {"10000", "20000", "30000"},
         {"a", "b", "c"},
         0,
         1},
        {"deleting while stopped",
         25000,
         true,
         2,
         MarkOp::Delete,
         {"10000", "20000", "30000"},
         {"a", "b", "c"},
         2,
         0},
    };
    for (const Case& c : cases) {
        marks({"10000", "20000", "30000"}, {"a", "b", "c"});
        at(c.position);
        pw().device.stopped = c.stopped;
        pw().marks.index_changed = 0;
        pw().marks.index_count_before = c.cursor;
        index_mark_step(pw(), c.op);
        EXPECT_EQ(rows(pw().stores.index_marks), c.marks) << c.what;
        EXPECT_EQ(rows(pw().stores.index_texts), c.texts) << c.what;
        EXPECT_EQ(pw().marks.index_count_before, c.cursor_after) << c.what;
        EXPECT_EQ(pw().marks.index_changed, c.changed) << c.what;
    }
}

// The tick keeps the cursor on the mark before the position as it plays.
TEST_F(IndexMarks, TheTickFollowsTheMarks) {
    marks({"100", "200"}, {"", ""});
    at(0);
    p.ask("play movie");
    index_mark_step(pw(), MarkOp::Locate);
    index_mark_step(pw(), MarkOp::Neighbours);
    pw().tick.tick_done_first = 1;
    pw().tick.tick_divider = 0;
    std::vector<int> seen;
    for (int i = 0; i < 10; ++i) {
        p.main_ticks(1);
        seen.push_back(pw().marks.index_count_before);
    }
    // 30 ms a tick: the position passes 100 after the fourth and 200 after the seventh.
    EXPECT_EQ(seen, (std::vector<int>{0, 0, 0, 1, 1, 1, 2, 2, 2, 2}));
    EXPECT_EQ(pw().marks.previous_mark_time, 200);
    EXPECT_EQ(pw().marks.next_mark_time, 60001);
}

}  // namespace
}  // namespace rq
