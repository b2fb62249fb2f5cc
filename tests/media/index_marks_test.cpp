// Index marks of the open file: counting, adding, deleting and going to a
// mark one unit past it, by step or by the number typed on the keypad.

#include "media/index_marks.h"

#include <gtest/gtest.h>

#include "media/device_ops.h"
#include "media/open_entry.h"
#include "support/player_fixture.h"

namespace rq {
namespace {

using Rows = std::vector<std::string>;

class IndexMarks : public ::testing::Test {
  protected:
    void SetUp() override {
        // 60 s at 25 frames a second: 1500 frames.
        p.engine.add_media(p.dir / "clip.avi", {60000, 25.0, Rect{0, 0, 320, 240}});
        p.life->init_dialog();
        p.pw->stores.path_list.insert_at(-1, p.dir / "clip.avi");
        ASSERT_EQ(open_current_entry(pw()), OpenResult::Opened);
    }
    void marks_at(int position) {
        pw().stores.index_marks.assign({"10000", "20000", "30000"});
        pw().stores.index_texts.assign({"a", "b", "c"});
        p.ask("seek movie to " + std::to_string(position));
        p.forget_commands();
    }
    rq::Player& pw() { return *p.pw; }
    PlayerLifecycle& life() { return *p.life; }

    test::Player p;
};

TEST_F(IndexMarks, GoingToMarks) {
    using enum MarkOp;
    struct Case {
        int position;
        MarkOp op;  // after Locate
        int typed, typed_ticks, keypad_press, index_back_ticks;
        int cursor, target;  // target 0: no seek
    } cases[] = {
        {25000, Locate, 0, 0, 0, 0, 2, 0},
        {20001, Locate, 0, 0, 0, 0, 2, 0},  // one past a mark has passed it
        {25000, Next, 0, 0, 0, 0, 3, 30001},
        {35000, Next, 0, 0, 0, 0, 3, 30001},  // the last mark again
        {25000, Previous, 0, 0, 0, 0, 1, 10001},
        {5000, Previous, 0, 0, 0, 0, 0, 1},     // the start of the file
        {5000, NextBy, 2, 70, 3, 0, 2, 20001},  // right button: to mark 2
        {35000, PreviousBy, 2, 70, 3, 0, 2, 20001},
        {5000, NextBy, 2, 70, 1, 0, 2, 20001},        // left button: by 2
        {5000, NextBy, 2, 1, 3, 0, 1, 10001},         // the number ran out: by 1
        {25000, PreviousBy, 0, 0, 1, 20, 2, 20001},   // first BACK: this section's start
        {25000, PreviousBy, 0, 0, 1, 21, 1, 10001},   // BACK again soon: the one before
        {5000, PreviousBy, 999, 70, 3, 0, 3, 30001},  // past the last mark: the last
        {25000, MarkOp(8), 0, 0, 0, 0, 2, 0},
    };
    for (const Case& c : cases) {
        const std::string what = std::to_string(c.position) + " op " + std::to_string(int(c.op));
        marks_at(c.position);
        pw().transport.keypad_number = c.typed;
        pw().transport.keypad_number_ticks = c.typed_ticks;
        pw().input.keypad_press = c.keypad_press;
        pw().transport.index_back_ticks = c.index_back_ticks;
        index_mark_step(pw(), Locate);
        index_mark_step(pw(), c.op);
        EXPECT_EQ(pw().marks.index_count_before, c.cursor) << what;
        Rows cmds = p.commands();
        if (c.target == 0) {
            EXPECT_EQ(std::count(cmds.begin(), cmds.end(), "pause movie"), 0) << what;
            continue;
        }
        ASSERT_GE(cmds.size(), 3u);
        EXPECT_EQ(Rows(cmds.end() - 3, cmds.end()),
                  (Rows{"pause movie", "seek movie to " + std::to_string(c.target), "play movie"}))
            << what;
        EXPECT_EQ(pw().transport.keypad_number_ticks, 0) << what;
    }
}

TEST_F(IndexMarks, FramesAreSoughtInFramesAndPausedStaysPaused) {
    marks_at(25000);
    pw().device.paused = 1;
    pw().device.prefer_milliseconds = 0;
    set_time_format(pw(), 0);
    index_mark_step(pw(), MarkOp::Locate);  // counts in milliseconds all the same
    index_mark_step(pw(), MarkOp::Next);
    const Rows cmds = p.commands();
    // 30000 ms at 40 ms a frame is frame 750.
    EXPECT_EQ(Rows(cmds.end() - 2, cmds.end()), (Rows{"pause movie", "seek movie to 751"}));
    EXPECT_EQ(p.ask("status movie time format"), "frames");
}

TEST_F(IndexMarks, AddingAndDeleting) {
    struct Case {
        int position, stopped, cursor;
        MarkOp op;
        Rows marks, texts;
        int cursor_after, changed;
    } cases[] = {
        // A mark at a mark's position goes before it.
        {20000, 0, 0, MarkOp::Add, {"10000", "20000", "20000", "30000"}, {"a", "", "b", "c"}, 2, 1},
        {25000, 1, 0, MarkOp::Add, {"10000", "20000", "30000"}, {"a", "b", "c"}, 0, 0},
        {25000, 0, 2, MarkOp::Delete, {"10000", "30000"}, {"a", "c"}, 2, 1},
        {5000, 0, 0, MarkOp::Delete, {"10000", "20000", "30000"}, {"a", "b", "c"}, 0, 1},
        {25000, 1, 2, MarkOp::Delete, {"10000", "20000", "30000"}, {"a", "b", "c"}, 2, 0},
    };
    for (const Case& c : cases) {
        marks_at(c.position);
        pw().device.stopped = c.stopped;
        pw().marks.index_changed = 0;
        pw().marks.index_count_before = c.cursor;
        index_mark_step(pw(), c.op);
        Rows marks, texts;
        for (int i = 0; i < pw().stores.index_marks.count(); ++i) {
            marks.push_back(pw().stores.index_marks.text(i));
            texts.push_back(pw().stores.index_texts.text(i));
        }
        EXPECT_EQ(marks, c.marks) << c.position;
        EXPECT_EQ(texts, c.texts) << c.position;
        EXPECT_EQ(pw().marks.index_count_before, c.cursor_after) << c.position;
        EXPECT_EQ(pw().marks.index_changed, c.changed) << c.position;
    }
}

}  // namespace
}  // namespace rq
