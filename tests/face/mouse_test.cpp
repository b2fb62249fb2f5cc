// The face's mouse: hit tests, drags, the keypad, the badge, and presses
// followed through the tick to the device's command log.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "face/mouse.h"
#include "skin/face_layout.h"
#include "support/face_clicks.h"
#include "support/player_fixture.h"

namespace rq {
namespace {

using test::at;

class Mouse : public ::testing::Test {
  protected:
    void SetUp() override {
        p.engine.add_media(p.dir / "clip.avi", {60000, 25.0, Rect{0, 0, 320, 240}});
        p.engine.add_media(p.dir / "b.avi", {60000, 25.0, Rect{0, 0, 320, 240}});
    }
    // Started with the clip playing.
    void start_playing() {
        pw().env.args = {p.dir / "clip.avi"};
        p.start();
        ASSERT_EQ(pw().device.stopped, 0);
    }
    rq::Player& pw() { return *p.pw; }
    PlayerLifecycle& life() { return *p.life; }
    void click(Point pt) { test::click(pw(), pt); }
    int count(const std::string& prefix) {
        const auto log = p.commands();
        return int(std::count_if(log.begin(), log.end(),
                                 [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
    }

    test::Player p;
};

TEST(MouseGeometry, EdgesAreInclusive) {
    const SpriteRect r{10, 20, 5, 3};
    EXPECT_TRUE(hit(r, {10, 20}));
    EXPECT_TRUE(hit(r, {15, 23}));
    EXPECT_FALSE(hit(r, {16, 23}));
    EXPECT_FALSE(hit(r, {15, 24}));
    EXPECT_FALSE(hit(r, {9, 20}));
}

TEST(MouseGeometry, SectorsTurnCounterClockwiseFromTheRight) {
    const int cx = kDialCentre.x, cy = kDialCentre.y;
    struct Case {
        Point pt;
        int of12, of32;
    } cases[] = {
        {{cx + 20, cy}, 0, 0},      {{cx + 20, cy - 1}, 0, 0},   {{cx, cy - 20}, 3, 8},
        {{cx - 20, cy}, 6, 16},     {{cx, cy + 20}, 9, 24},      {{cx + 20, cy + 1}, 11, 31},
        {{cx + 10, cy - 17}, 1, 5}, {{cx - 17, cy + 10}, 7, 18},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dial_sector(c.pt, 12), c.of12) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(dial_sector(c.pt, 32), c.of32) << c.pt.x << "," << c.pt.y;
    }
}

TEST_F(Mouse, DialKnobReachesExactly32PixelsOut) {
    p.start();
    struct Case {
        Point pt;
        int mode;
    } cases[] = {
        {{kDialCentre.x + 32, kDialCentre.y}, 1},
        {{kDialCentre.x, kDialCentre.y - 32}, 1},
        {{kDialCentre.x + 33, kDialCentre.y}, 2},
        {{kDialCentre.x + 23, kDialCentre.y + 23}, 2},  // 32.5 out
    };
    for (const Case& c : cases) {
        mouse_left_down(pw(), c.pt);
        EXPECT_EQ(pw().transport.dial_mode, c.mode) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(pw().transport.button_timers[c.mode == 1 ? 12 : 13], 1);
        mouse_left_up(pw());
        pw().transport.button_timers.fill(0);
    }
}

TEST_F(Mouse, TimeReadoutCyclesAndStillMovesTheWindow) {
    p.start();
    ASSERT_EQ(pw().settings.time_display_mode, 2);
    click(at(Hit::TimeReadout));
    EXPECT_EQ(pw().settings.time_display_mode, 0);
    EXPECT_EQ(p.host.system_moves, 1);
    click(at(Hit::TimeReadout));
    EXPECT_EQ(pw().settings.time_display_mode, 1);
    mouse_right_down(pw(), at(Hit::TimeReadout));
    EXPECT_EQ(pw().settings.time_display_mode, 0);
    // A button is no window handle.
    click(at(Hit::Repeat));
    EXPECT_EQ(p.host.system_moves, 2);
    mouse_left_double_click(pw());
    EXPECT_EQ(p.host.system_moves, 3);
}

TEST_F(Mouse, SeekDragPastTheLeftEndSeeksToZeroOnce) {
    start_playing();
    pw().input.seek_knob = 100;
    p.forget_commands();
    const Point knob = at(Hit::SeekKnob, 100 + 5, 3);
    mouse_left_down(pw(), knob);
    ASSERT_EQ(pw().input.seek_drag, 1);
    mouse_move(pw(), {knob.x - 3, knob.y});
    EXPECT_EQ(pw().input.seek_knob, 97);
    // 60000 / 206 * 97, truncated; playing, so the play goes on from there.
    EXPECT_EQ(count("play movie from 28252"), 1);
    mouse_move(pw(), {40, knob.y});
    mouse_move(pw(), {30, knob.y});
    mouse_move(pw(), {200, knob.y});
    EXPECT_EQ(pw().input.seek_knob, 0);
    EXPECT_EQ(pw().input.seek_drag, 2);
    EXPECT_EQ(count("play movie from 0"), 1);
    EXPECT_EQ(count("play movie from"), 2);
    mouse_left_up(pw());
    EXPECT_EQ(pw().input.seek_drag, 0);
    // Paused, a drag seeks.
    pw().device.paused = 1;
    mouse_left_down(pw(), at(Hit::SeekKnob, 5, 3));
    mouse_move(pw(), {at(Hit::SeekKnob).x + 206 + 300, 5});
    EXPECT_EQ(pw().input.seek_knob, 206);
    EXPECT_EQ(count("seek movie to 60000"), 1);
}

TEST_F(Mouse, VolumeKnobSetsBothChannels) {
    p.start();
    pw().input.volume_knob = 50;
    const Point knob = at(Hit::VolumeKnob, 50 + 4, 4);
    mouse_left_down(pw(), knob);
    mouse_move(pw(), {knob.x + 8, knob.y});
    EXPECT_EQ(pw().input.volume_knob, 58);
    EXPECT_EQ(p.volume.get(), 65482u | 65482u << 16);
    mouse_move(pw(), {140, knob.y});  // past the track's end: the drag ends there
    EXPECT_EQ(pw().input.volume_drag, 2);
    mouse_move(pw(), {knob.x - 20, knob.y});
    EXPECT_EQ(pw().input.volume_knob, 58);
    mouse_left_up(pw());
    mouse_left_down(pw(), at(Hit::VolumeKnob, 58 + 4, 4));
    mouse_move(pw(), {20, knob.y});
    EXPECT_EQ(pw().input.volume_knob, 0);
    EXPECT_EQ(p.volume.get(), 0u);
}

TEST_F(Mouse, KeypadTypesANumberOfAtMostThreeDigits) {
    p.start();
    mouse_right_down(pw(), at(Hit::DialArea, 10, 10));
    ASSERT_EQ(pw().settings.keypad_mode, 1);
    auto press = [&](int code) {
        const SpriteRect r = keypad_key(code)->rect;
        click({r.x + r.w, r.y + r.h});  // the far corner still counts
        EXPECT_EQ(pw().input.keypad_key, code);
    };
    struct Step {
        int code;
        int number;
    } steps[] = {{1, 1},
                 {2, 12},
                 {3, 123},
                 {4, 234},
                 {keypad::kZero, 340},
                 {keypad::kClear, 0},
                 {9, 9},
                 {9, 99},
                 {5, 995},
                 {keypad::kPlusTen, 999},
                 {keypad::kPlusTen, 999}};
    for (const Step& s : steps) {
        pw().transport.track_display_ticks = 5;
        press(s.code);
        EXPECT_EQ(pw().transport.keypad_number, s.number);
        EXPECT_EQ(pw().transport.keypad_number_ticks, 70);
        EXPECT_EQ(pw().transport.track_display_ticks, 0);
    }
    // Right on the dial but off BACK and NEXT leaves keypad mode.
    mouse_right_down(pw(), at(Hit::DialArea, 60, 60));
    EXPECT_EQ(pw().settings.keypad_mode, 0);
}

TEST_F(Mouse, BadgeStaysWithinThreePixelsOfHomeElseFalls) {
    p.start();
    struct Case {
        Point drop;  // where the badge's corner ends
        bool falls;
    } cases[] = {{{136, 19}, false}, {{134, 16}, false}, {{131, 22}, false},
                 {{138, 19}, true},  {{134, 23}, true},  {{130, 19}, true}};
    for (const Case& c : cases) {
        FaceState& f = pw().face;
        f.badge_offset = {0, 0};
        f.badge_falling = 0;
        const Point grab = at(Hit::Badge, 20, 10);
        mouse_left_down(pw(), grab);
        ASSERT_EQ(f.badge_drag, 1);
        mouse_move(pw(), {grab.x + c.drop.x - 134, grab.y + c.drop.y - 19});
        mouse_left_up(pw());
        EXPECT_EQ(f.badge_offset.x, c.drop.x - 134);
        EXPECT_EQ(f.badge_falling, c.falls ? 1 : 0) << c.drop.x << "," << c.drop.y;
        EXPECT_EQ(p.host.system_moves, 0);
    }
    // Gone, the badge no longer answers.
    pw().settings.badge_gone = 1;
    click(at(Hit::Badge, 20, 10));
    EXPECT_EQ(pw().face.badge_drag, 0);
}

TEST_F(Mouse, PlayWhileStoppedOpensTheCurrentEntry) {
    pw().settings.autoplay = 0;
    pw().env.args = {p.dir / "clip.avi"};
    p.start();
    ASSERT_EQ(pw().device.stopped, 1);
    pw().transport.selection_pending = 1;
    p.forget_commands();
    click(at(Hit::Play, 5, 5));
    EXPECT_EQ(pw().transport.selection_pending, 0);
    EXPECT_EQ(count("open"), 0);  // the tick opens it
    p.main_ticks(1);
    EXPECT_EQ(count("open \"clip.avi\" type mpegvideo alias movie"), 1);
    EXPECT_EQ(pw().device.stopped, 0);
    EXPECT_EQ(pw().device.paused, 0);
}

TEST_F(Mouse, RewHeldSearchesBackUntilReleased) {
    start_playing();
    p.ask("seek movie to 30000");
    p.ask("play movie");
    p.main_ticks(1);
    mouse_left_down(pw(), at(Hit::Rew, 5, 5));
    p.main_ticks(4);
    // Each main tick jumps the table's 2 s back from where the device is.
    const int held_at = int(p.engine.position_ms());
    EXPECT_LT(held_at, 30000 - 3 * 2000);
    EXPECT_GE(pw().transport.button_timers[6], 1);
    p.forget_commands();
    mouse_left_up(pw());
    p.main_ticks(3);
    EXPECT_EQ(pw().device.speed_index, 0);
    EXPECT_GE(count("play movie"), 1);
    EXPECT_LE(count("seek movie to"), 1);  // the last lit tick's step at most
    EXPECT_EQ(pw().transport.button_timers[6], 0);
    const int after = int(p.engine.position_ms());
    p.main_ticks(3);
    EXPECT_GT(int(p.engine.position_ms()), after);  // playing on
}

TEST_F(Mouse, ReleaseRunsWhatThePressArmed) {
    p.start();
    mouse_left_down(pw(), at(Hit::Power, 5, 5));
    EXPECT_EQ(pw().tick.quit_requested, 0);
    EXPECT_EQ(pw().transport.button_timers[17], 1);
    mouse_left_up(pw());
    EXPECT_EQ(pw().tick.quit_requested, 1);
    pw().tick.quit_requested = 0;

    mouse_left_down(pw(), at(Hit::File, 5, 5));
    EXPECT_EQ(p.dialogs.asked, 0);
    mouse_left_up(pw());
    EXPECT_EQ(p.dialogs.asked, 1);
    EXPECT_EQ(pw().transport.pending_command, Command::None);

    // A press the window system took away ends without its action.
    mouse_left_down(pw(), at(Hit::File, 5, 5));
    mouse_cancel_mode(pw());
    EXPECT_EQ(p.dialogs.asked, 1);
    EXPECT_EQ(pw().input.mouse_held, 0);
    EXPECT_EQ(pw().transport.pending_command, Command::None);
}

}  // namespace
}  // namespace rq
