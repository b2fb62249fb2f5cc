// The keyboard poll: volume steps, transport keys, marks, video size keys,
// and the gate that drops keys pressed while the player is inactive.

#include "transport/keyboard.h"

#include <gtest/gtest.h>

#include "support/player_fixture.h"

namespace rq {
namespace {

class Keyboard : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"a.avi", "b.avi", "c.avi", "d.avi"}) {
            p.engine.add_media(p.dir / name, {60000, 25.0, Rect{0, 0, 320, 240}});
            p.pw->stores.path_list.insert_at(-1, p.dir / name);
        }
        p.start();  // plays a.avi
        ASSERT_EQ(p.engine.open_path(), p.dir / "a.avi");
    }
    // A key pressed and released between two polls.
    void tap(int key) {
        p.keys.press(key);
        p.keys.release(key);
    }
    rq::Player& pw() { return *p.pw; }
    PlayerLifecycle& life() { return *p.life; }

    test::Player p;
};

TEST_F(Keyboard, VolumeSteps) {
    struct Case {
        uint32_t before;
        int key;
        int polls;
        uint32_t after;
        int knob;
    } cases[] = {
        {0, 'N', 1, 0, 0},
        {0xFFFFFFFF, 'M', 1, 0xFFFFFFFF, 58},
        {10000u << 16 | 30000u, 'M', 1, 30483u * 65537u, 26},  // 27 steps, both channels
        {30000, vk::kOem4, 1, 28225u * 65537u, 24},
        {0xFFFFFFFF, vk::kOem4, 1, 64353u * 65537u, 56},
        {0, vk::kOem6, 3, 3387u * 65537u, 2},  // a held key steps on every poll
    };
    for (const Case& c : cases) {
        p.volume.set(c.before);
        p.keys.press(c.key);
        for (int i = 0; i < c.polls; ++i)
            poll_keyboard(pw());
        p.keys.release(c.key);
        EXPECT_EQ(p.volume.get(), c.after) << c.key << " from " << c.before;
        EXPECT_EQ(pw().input.volume_knob, c.knob) << c.key << " from " << c.before;
    }
}

TEST_F(Keyboard, SpaceHeldTogglesEveryFiveMainTicks) {
    p.keys.press(vk::kSpace);
    std::vector<int> paused;
    for (int i = 0; i < 12; ++i) {
        p.main_ticks(1);
        paused.push_back(pw().device.paused);
    }
    EXPECT_EQ(paused, (std::vector<int>{1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 1, 1}));
}

TEST_F(Keyboard, RightHeldWhilePlayingSkipsAnEntryEveryMainTick) {
    p.keys.press(vk::kRight);
    p.main_ticks(3);
    EXPECT_EQ(pw().playlist.current_entry, 3);
    EXPECT_EQ(p.engine.open_path(), p.dir / "d.avi");
    EXPECT_EQ(pw().transport.key_flags, 2);
    EXPECT_EQ(pw().device.speed_index, 0);
}

TEST_F(Keyboard, ShiftCommaGoesBackAMarkPerPressAndNeverChangesTheSpeed) {
    pw().stores.index_marks.assign({"1000", "2000"});
    pw().stores.index_texts.assign({"", ""});
    p.ask("seek movie to 2500");
    p.keys.press(vk::kShift);
    p.keys.press(vk::kOemComma);
    p.forget_commands();
    std::vector<int> speeds;
    for (int i = 0; i < 4; ++i) {
        p.main_ticks(1);
        speeds.push_back(pw().device.speed_index);
    }
    p.keys.release(vk::kOemComma);
    tap(vk::kOemComma);  // a second press, from 1001: back to the start
    p.main_ticks(1);
    speeds.push_back(pw().device.speed_index);
    EXPECT_EQ(speeds, (std::vector<int>(5, 0)));
    std::vector<std::string> seeks;
    for (const std::string& c : p.commands())
        if (c.rfind("seek movie to", 0) == 0) seeks.push_back(c);
    EXPECT_EQ(seeks, (std::vector<std::string>{"seek movie to 1001", "seek movie to 1"}));
    EXPECT_GE(pw().transport.index_back_ticks, 30);  // two presses of 20, counting down

    // Without Shift the comma searches back.
    p.keys.release(vk::kShift);
    p.keys.press(vk::kOemComma);
    p.main_ticks(1);
    EXPECT_EQ(pw().device.speed_index, -1);
    EXPECT_EQ(pw().transport.key_flags, 1);
}

TEST_F(Keyboard, VideoSizeKeys) {
    struct Case {
        const char* what;
        int fullscreen, stopped, key;
        Command pending;
        int fit;
    } cases[] = {
        {"X in the window, stopped", 0, 1, 'X', Command::LargerPicture, 4},
        {"Z in the window", 0, 0, 'Z', Command::SmallerPicture, 4},
        {"X in full screen: stretch", 1, 0, 'X', Command::None, 5},
        {"Z in full screen: back to keeping the aspect", 1, 0, 'Z', Command::None, 4},
    };
    for (const Case& c : cases) {
        pw().tick.fullscreen = c.fullscreen;
        pw().device.stopped = c.stopped;
        pw().transport.pending_command = Command::None;
        pw().transport.key_lock_ticks = 0;
        p.forget_commands();
        tap(c.key);
        poll_keyboard(pw());
        EXPECT_EQ(pw().transport.pending_command, c.pending) << c.what;
        EXPECT_EQ(pw().settings.fullscreen_fit_mode, c.fit) << c.what;
        EXPECT_EQ(pw().transport.key_lock_ticks, 2) << c.what;
        const std::vector<std::string> cmds = p.commands();
        if (c.fullscreen) {
            ASSERT_FALSE(cmds.empty());
            EXPECT_EQ(cmds.front(), "pause movie") << c.what;
            EXPECT_EQ(cmds.back(), "play movie") << c.what;
        } else {
            EXPECT_TRUE(cmds.empty()) << c.what;
        }
    }
    // Held down, X steps the picture once.
    pw().tick.fullscreen = 0;
    const int mode = pw().settings.video_size_mode;
    p.keys.press('X');
    p.main_ticks(6);
    EXPECT_EQ(pw().settings.video_size_mode, mode + 1);
}

TEST_F(Keyboard, KeysPressedWhileInactiveNeverAct) {
    const uint32_t volume = p.volume.get();
    pw().tick.window_active = 0;
    p.keys.press(vk::kOemComma);
    poll_keyboard(pw());  // a search held as the player goes inactive ends
    EXPECT_EQ(pw().transport.key_flags, 0);
    p.keys.release(vk::kOemComma);
    for (int key : {int('X'), int('Z'), int('M'), vk::kSpace, vk::kOemPeriod, vk::kShift})
        tap(key);
    p.keys.press(vk::kShift);
    tap(vk::kOemComma);
    p.keys.release(vk::kShift);
    p.forget_commands();
    poll_keyboard(pw());
    pw().tick.window_active = 1;
    poll_keyboard(pw());
    EXPECT_EQ(pw().transport.pending_command, Command::None);
    EXPECT_EQ(pw().transport.speed_step_request, 0);
    EXPECT_EQ(pw().transport.key_lock_ticks, 0);
    EXPECT_EQ(p.volume.get(), volume);
    EXPECT_TRUE(p.commands().empty());
}

}  // namespace
}  // namespace rq
