// The device operations: close, play/pause toggle, unit switch, seek steps.

#include <gtest/gtest.h>

#include "media/device_ops.h"
#include "support/player_fixture.h"

namespace rq {
namespace {

class DeviceOps : public ::testing::Test {
  protected:
    void SetUp() override {
        p.engine.add_media(p.dir / "clip.avi", {60000, 25.0, Rect{0, 0, 320, 240}});
        p.engine.add_media(p.dir / "song.mp3", {30000, 0, std::nullopt});
        p.life->init_dialog();
    }
    void open_clip() {
        p.pw->stores.path_list.insert_at(-1, p.dir / "clip.avi");
        p.pw->device.stopped = 1;
        play_pause_toggle(*p.pw);  // stopped: opens and plays the entry
        ASSERT_EQ(p.engine.open_path(), p.dir / "clip.avi");
    }
    rq::Player& pw() { return *p.pw; }
    PlayerLifecycle& life() { return *p.life; }

    test::Player p;
};

TEST_F(DeviceOps, StopClosesAndClearsWhatBelongsToTheFile) {
    open_clip();
    pw().transport.ab_state = AbState::Looping;
    pw().transport.ab_point_a = {1000, 25};
    pw().transport.ab_point_b = {3000, 75};
    pw().input.seek_knob = 100;
    pw().transport.keypad_number = 12;
    pw().transport.keypad_number_ticks = 40;
    pw().marks.index_count_before = 3;
    pw().transport.track_display_ticks = 20;
    pw().transport.track_display_number = 2;
    pw().device.paused = 1;
    stop_playback(pw());
    EXPECT_FALSE(p.engine.is_open());
    EXPECT_EQ(pw().device.stopped, 1);
    EXPECT_EQ(pw().device.paused, 0);
    EXPECT_EQ(pw().transport.ab_state, AbState::Off);
    EXPECT_EQ(pw().transport.ab_point_a.ms, 0);
    EXPECT_EQ(pw().transport.ab_point_a.frames, 0);
    EXPECT_EQ(pw().transport.ab_point_b.ms, 3000);  // B keeps its values
    EXPECT_EQ(pw().input.seek_knob, 0);
    EXPECT_EQ(pw().transport.keypad_number, 0);
    EXPECT_EQ(pw().transport.keypad_number_ticks, 0);
    EXPECT_EQ(pw().marks.index_count_before, 0);
    EXPECT_EQ(pw().transport.track_display_ticks, 0);
    EXPECT_EQ(pw().transport.track_display_number, 0);
}

TEST_F(DeviceOps, ToggleFromStoppedOpensTheCurrentEntryFromTheStart) {
    pw().device.stopped = 1;
    pw().device.position = 5000;
    open_clip();
    EXPECT_EQ(pw().device.stopped, 0);
    EXPECT_EQ(pw().device.paused, 0);
    EXPECT_EQ(pw().device.position, 0);
    EXPECT_EQ(p.ask("status movie mode"), "playing");
    EXPECT_EQ(pw().device.length_ms, 60000);
    EXPECT_EQ(pw().device.length_frames, 1500);
}

TEST_F(DeviceOps, TogglePausesAndResumes) {
    open_clip();
    p.engine.advance(1500);
    play_pause_toggle(pw());
    EXPECT_EQ(pw().device.paused, 1);
    EXPECT_EQ(pw().device.position, 1500);
    EXPECT_EQ(p.ask("status movie mode"), "paused");
    play_pause_toggle(pw());
    EXPECT_EQ(pw().device.paused, 0);
    EXPECT_EQ(p.ask("status movie mode"), "playing");
}

TEST_F(DeviceOps, ToggleDuringSearchOrSlowMotionResumesNormalPlay) {
    open_clip();
    for (int paused : {0, 1}) {
        pw().device.paused = paused;
        pw().device.speed_index = paused ? -3 : 5;
        if (paused) p.ask("pause movie");
        play_pause_toggle(pw());
        EXPECT_EQ(pw().device.paused, 0) << paused;
        EXPECT_EQ(pw().device.speed_index, 0) << paused;
        EXPECT_EQ(p.ask("status movie mode"), "playing") << paused;
    }
}

TEST_F(DeviceOps, TimeFormatSwitchesOnlyFromTheOtherKnownUnit) {
    // Closed device: the query fails, nothing is switched, the wish comes back.
    EXPECT_EQ(set_time_format(pw(), 0), 0);
    open_clip();
    EXPECT_EQ(set_time_format(pw(), 0), 0);
    EXPECT_EQ(p.ask("status movie time format"), "frames");
    EXPECT_EQ(set_time_format(pw(), 0), 0);
    EXPECT_EQ(p.ask("status movie time format"), "frames");
    EXPECT_EQ(set_time_format(pw(), 7), 7);
    EXPECT_EQ(p.ask("status movie time format"), "milliseconds");
}

// One row per seek: level, unit, start position (ms), expected position.
struct StepCase {
    const char* name;
    int speed_index;
    StepUnit unit;
    int start_ms, expected;
};

TEST_F(DeviceOps, SeekSteps) {
    const StepCase cases[] = {
        {"forward level 1 moves table[2] seconds", 1, StepUnit::Second, 10000, 12000},
        {"backward level 1 moves table[1] seconds", -1, StepUnit::Second, 10000, 9000},
        {"level 8 forward uses index 9", 8, StepUnit::Second, 10000, 30000},
        {"level 9 forward clamps at index 9", 9, StepUnit::Second, 10000, 30000},
        {"level -9 moves 20 s back", -9, StepUnit::Second, 30000, 10000},
        {"backward from near the start lands on 0", -4, StepUnit::Second, 500, 0},
        {"MODE2 moves 30 ms units", 1, StepUnit::Tick, 10000, 10060},
    };
    open_clip();
    for (const auto& c : cases) {
        p.ask("seek movie to " + std::to_string(c.start_ms));
        pw().device.speed_index = c.speed_index;
        EXPECT_EQ(seek_step(pw(), SeekKind::Timed, c.unit), c.expected) << c.name;
        EXPECT_EQ(p.engine.position_ms(), c.expected) << c.name;
    }
    // A raw offset in milliseconds, whatever the level.
    p.ask("seek movie to 10000");
    EXPECT_EQ(seek_by(pw(), -2000), 8000);
    p.ask("seek movie to 500");
    EXPECT_EQ(seek_by(pw(), -2000), 0);
}

TEST_F(DeviceOps, FrameStepMovesOneFrameAndAnswersInTheUsersUnit) {
    open_clip();
    p.ask("seek movie to 4000");  // frame 100
    pw().device.speed_index = 1;
    EXPECT_EQ(seek_step(pw(), SeekKind::Frames, StepUnit::Single),
              4040);  // frame 101, answered in ms
    EXPECT_EQ(p.ask("status movie time format"), "milliseconds");
    pw().device.speed_index = -1;
    EXPECT_EQ(seek_step(pw(), SeekKind::Frames, StepUnit::Single), 4000);
    // A user who works in frames gets frames back.
    pw().device.prefer_milliseconds = 0;
    pw().device.speed_index = 1;
    EXPECT_EQ(seek_step(pw(), SeekKind::Timed, StepUnit::Second), 150);  // 4 s + 2 s = frame 150
    EXPECT_EQ(p.ask("status movie time format"), "frames");
}

}  // namespace
}  // namespace rq
