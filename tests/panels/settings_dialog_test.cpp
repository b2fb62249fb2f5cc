// The settings dialog as the player runs it: when it opens, what it is
// shown, and what OK and Cancel leave behind.

#include "panels/settings_dialog.h"

#include <gtest/gtest.h>

#include "playlist/tree.h"
#include "skin/skin_setup.h"
#include "support/player_fixture.h"

namespace rq {
namespace {

using Names = std::vector<std::string>;

struct Dialog : ::testing::Test {
    Dialog() { pw().init_dialog(); }
    PlayerWindow& pw() { return *player.pw; }
    test::ScriptedSettingsDialog& dialog() { return player.settings_dialog; }
    test::Player player;
};

TEST_F(Dialog, DoesNotOpenWhileASearchOrSlowMotionRuns) {
    for (int speed : {4, -1}) {
        pw().device.speed_index = speed;
        open_settings_dialog(pw());
    }
    EXPECT_EQ(dialog().shown, 0);
    pw().device.speed_index = 0;
    open_settings_dialog(pw());
    EXPECT_EQ(dialog().shown, 1);
}

TEST(DialogBackgrounds, DefaultFirstThenTheBmpFilesWithTheStoredNameFoundInAnyCase) {
    struct Case {
        std::vector<std::string> tree;
        std::string stored;
        Names choices;
        int selected;
    };
    const std::string deflt = kDefaultBackgroundName;
    const Case cases[] = {
        {{}, "", {deflt}, 0},
        {{"bg/"}, "a.bmp", {deflt}, 0},
        {{"bg/b.bmp", "bg/A.BMP", "bg/c.Bmp"}, "a.bmp", {deflt, "A.BMP", "b.bmp", "c.Bmp"}, 1},
        {{"bg/b.bmp", "bg/notes.txt", "bg/dir.bmp/", "bg/bmp"}, "B.BMP", {deflt, "b.bmp"}, 1},
        {{"bg/b.bmp"}, "gone.bmp", {deflt, "b.bmp"}, 0},
        // A name is found whole, not by its first letters.
        {{"bg/sky.bmp"}, "sk", {deflt, "sky.bmp"}, 0},
        {{"bg/sky.bmp"}, deflt, {deflt, "sky.bmp"}, 0},
    };
    for (const Case& c : cases) {
        test::Player player;
        for (const std::string& item : c.tree)
            test::make_tree(player.dir.path(), {item});
        player.pw->init_dialog();
        player.pw->settings.background_name = c.stored;
        open_settings_dialog(*player.pw);
        EXPECT_EQ(player.settings_dialog.backgrounds, c.choices) << c.stored;
        EXPECT_EQ(player.settings_dialog.selected, c.selected) << c.stored;
        EXPECT_EQ(player.settings_dialog.values.background_name, c.stored);
    }
}

TEST_F(Dialog, OkTakesEveryValueBackAndANewBackgroundAsksForAReload) {
    pw().settings.main_window_pos = {40, 50};
    dialog().edit = [](SettingsDialogValues& v) {
        v.wheel_mode_playing = 1;
        v.wheel_mode_paused = 1;
        v.paused_search_slow = 1;
        v.background_name = "sky.bmp";
        v.search_step_table = {1, 2, 3, 4, 5, 6, 7, 8};
        v.index_beside_file = 1;
        v.power_saving_off = 1;
        v.maximized_click_mode = 1;
        v.hide_cursor_maximized = 1;
        v.always_on_top = 1;
        v.save_video_size = 1;
        v.autoplay = 0;
    };
    open_settings_dialog(pw());
    const Settings& s = pw().settings;
    EXPECT_EQ(s.wheel_mode_playing, 1);
    EXPECT_EQ(s.wheel_mode_paused, 1);
    EXPECT_EQ(s.paused_search_slow, 1);
    EXPECT_EQ(s.background_name, "sky.bmp");
    EXPECT_EQ(s.search_step_table, (std::array<int, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(s.index_beside_file, 1);
    EXPECT_EQ(s.power_saving_off, 1);
    EXPECT_EQ(s.maximized_click_mode, 1);
    EXPECT_EQ(s.hide_cursor_maximized, 1);
    EXPECT_EQ(s.always_on_top, 1);
    EXPECT_EQ(s.save_video_size, 1);
    EXPECT_EQ(s.autoplay, 0);
    EXPECT_EQ(pw().tick.background_changed, 1);
    const WindowPlacement& at = player.host.placements.back();
    EXPECT_EQ((Rect{at.x, at.y, at.w, at.h}), (Rect{40, 50, 406, 92}));
    EXPECT_EQ(at.z, ZOrder::TopMost);

    // The same name again asks for nothing; the window leaves the top.
    pw().tick.background_changed = 0;
    dialog().edit = [](SettingsDialogValues& v) { v.always_on_top = 0; };
    open_settings_dialog(pw());
    EXPECT_EQ(pw().tick.background_changed, 0);
    EXPECT_EQ(player.host.placements.back().z, ZOrder::NotTopMost);
}

TEST_F(Dialog, CancelChangesNothing) {
    pw().settings.search_step_table = {10, -10, 20, -20, 30, -30, 40, -40};
    pw().settings.background_name = "x.bmp";
    const SettingsDialogValues before = dialog_values(pw().settings);
    const size_t placements = player.host.placements.size();
    open_settings_dialog(pw());  // no edit: the user cancels
    EXPECT_EQ(dialog().shown, 1);
    EXPECT_EQ(dialog().values, before);
    EXPECT_EQ(dialog_values(pw().settings), before);
    EXPECT_EQ(pw().tick.background_changed, 0);
    EXPECT_EQ(player.host.placements.size(), placements);
}

TEST(SearchStep, TakesSignedIntegersAndRefusesEverythingElse) {
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"2000", 2000},
        {"-33", -33},
        {" 34 ", 34},
        {"+5", 5},
        {"0", 0},
        {"2147483647", 2147483647},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"12a", std::nullopt},
        {"1.5", std::nullopt},
        {"-", std::nullopt},
        {"+-5", std::nullopt},
        {"- 5", std::nullopt},
        {"2147483648", std::nullopt},
        {"１２", std::nullopt},  // full-width digits
    };
    for (const Case& c : cases)
        EXPECT_EQ(parse_search_step(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace rq
