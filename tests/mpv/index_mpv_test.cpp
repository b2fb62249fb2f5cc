// A whole headless player on libmpv with a clip that has an index file and
// a caption file beside it: the caption line follows the playing position,
// marks added through the mark operations are saved by STOP and are there
// again after a restart, and Shift with period goes to the next of them.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "app/player_lifecycle.h"
#include "media/device_ops.h"
#include "media/index_files.h"
#include "media/index_marks.h"
#include "mpv/mpv_engine.h"
#include "skin/text_canvas.h"
#include "support/headless_env.h"
#include "support/temp_dir.h"

namespace rq {
namespace {

using Rows = std::vector<std::string>;

Rows rows(const ListStore& s) {
    Rows out;
    for (int i = 0; i < s.count(); ++i)
        out.push_back(s.text(i));
    return out;
}

// Draws the one-pixel bar that ends a line, so that its width can be measured.
class BarText : public TextRenderer {
  public:
    void draw_text_line(SkinSurface& s, const std::string& text, int x, int y, int h) override {
        for (int r = y; r < y + h; ++r)
            std::fill_n(s.row(r) + (x + int(text.size())) * 3, 3, uint8_t(0));
        if (y == kTimedTextStrip.text_y) timed_line = text;
    }
    std::string timed_line;  // the last line drawn in the timed-text strip
};

struct MpvPlayer : test::HeadlessServices {
    explicit MpvPlayer(const std::string& dir, const std::string& clip)
        : life(env(mci, volume, cwd, dir, {clip}, &bar_text)) {
        life.on_create();
        life.init_dialog();
        pw.settings.index_beside_file = 1;
        life.timer_tick();
    }
    // Timer ticks 30 ms apart until `done` holds (false after `limit` ticks).
    template <typename F>
    bool tick_until(F done, int limit = 170) {
        for (int i = 0; i < limit && !done(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            life.timer_tick();
        }
        return done();
    }
    int position() { return pw.query_number("status movie position"); }

    VirtualWorkingDirectory cwd;
    MpvEngine engine{nullptr, true};
    MciChannel mci{engine, cwd};
    WaveOutVolume volume{&engine, {}};
    BarText bar_text;
    PlayerLifecycle life;
    rq::Player& pw = life.player();
};

TEST(IndexFilesOnMpv, CaptionsFollowAndMarksSurviveStopAndRestart) {
    test::TempDir dir;
    const std::string clip = dir / "clip.avi";
    // With sound, a paused picture reads as the start of its frame.
    const std::string make =
        "ffmpeg -nostdin -v error -y -f lavfi -i "
        "testsrc=size=320x240:rate=25:duration=4 -f lavfi -i "
        "sine=duration=4 -c:v mpeg4 -c:a mp3 \"" +
        clip + "\"";
    ASSERT_EQ(std::system(make.c_str()), 0);
    test::write_bytes(dir / "clip.txt", "[00:00]zero\r\n[00:01]one second\r\n[00:02]two\r\n");
    test::write_bytes(dir / "clip.idx", "[IndexTime]\r\n[3000]three\r\n");

    auto first = std::make_unique<MpvPlayer>(dir.path(), clip);
    rq::Player& a = first->pw;
    ASSERT_EQ(a.device.stopped, 0);
    EXPECT_EQ(rows(a.stores.index_marks), Rows{"3000"});
    ASSERT_EQ(a.timed_text.index_time_count, 3);

    // The face renders the line of the segment that holds the position.
    ASSERT_TRUE(first->tick_until([&] {
        return a.marks.position_ms >= 1100 && first->bar_text.timed_line == "one second |";
    }));
    EXPECT_EQ(a.timed_text.index_segment, 1);
    EXPECT_EQ(a.timed_text.line_width, int(timed_text_line("one second").size()) - 4);

    play_pause_toggle(a);  // pause
    for (int ms : {1500, 2200}) {
        a.send("seek movie to " + std::to_string(ms));
        index_mark_step(a, MarkOp::Add);
    }
    EXPECT_EQ(rows(a.stores.index_marks), (Rows{"1500", "2200", "3000"}));
    a.send("seek movie to 2500");
    index_mark_step(a, MarkOp::Locate);
    index_mark_step(a, MarkOp::Previous);
    EXPECT_EQ(a.marks.index_count_before, 1);
    first->tick_until([] { return false; }, 10);
    EXPECT_GE(first->position(), 1501);  // a paused picture stays one frame past the mark
    EXPECT_LT(first->position(), 1541);

    save_index(a);  // the STOP button
    stop_playback(a);
    EXPECT_EQ(test::read_bytes(dir / "clip.idx"),
              "[IndexTime]\r\n[1500]\r\n[2200]\r\n[3000]three\r\n");
    first->life.shutdown();
    first.reset();

    MpvPlayer second(dir.path(), clip);
    rq::Player& b = second.pw;
    EXPECT_EQ(rows(b.stores.index_marks), (Rows{"1500", "2200", "3000"}));
    EXPECT_EQ(rows(b.stores.index_texts), (Rows{"", "", "three"}));
    // Paused, every Shift+period goes one mark on, although the picture at
    // one past a mark reads as the mark's own frame.
    play_pause_toggle(b);
    second.keys.press(vk::kShift);
    for (int mark : {1500, 2200, 3000}) {
        second.keys.press(vk::kOemPeriod);
        second.keys.release(vk::kOemPeriod);
        second.tick_until([] { return false; }, 10);
        EXPECT_NEAR(second.position(), mark + 1, 40);  // the frame that holds it
    }
}

}  // namespace
}  // namespace rq
