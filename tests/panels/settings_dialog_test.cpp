// The settings dialog as the player runs it: when it opens, what it is
// shown, and what OK and Cancel leave behind.

#include "panels/settings_dialog.h"

#include <gtest/gtest.h>

#include "skin/skin_setup.h"
#include "support/player_fixture.h"
#include "support/tree.h"

namespace rq {
namespace {

using Names = std::vector<std::string>;

TEST(SettingsDialog, BackgroundsAreDefaultThenTheBmpFilesWithTheStoredNameFoundInAnyCase) {
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
        {{"bg/b.bmp", "bg/notes.txt", "bg/dir.bmp/"}, "B.BMP", {deflt, "b.bmp"}, 1},
        {{"bg/b.bmp"}, "gone.bmp", {deflt, "b.bmp"}, 0},
        {{"bg/sky.bmp"}, "sk", {deflt, "sky.bmp"}, 0},  // whole names only
    };
    for (const Case& c : cases) {
        test::Player player;
        for (const std::string& item : c.tree)
            test::make_tree(player.dir.path(), {item});
        player.life->init_dialog();
        player.pw->settings.background_name = c.stored;
        open_settings_dialog(*player.pw);
        EXPECT_EQ(player.settings_dialog.backgrounds, c.choices) << c.stored;
        EXPECT_EQ(player.settings_dialog.selected, c.selected) << c.stored;
        EXPECT_EQ(player.settings_dialog.values.background_name, c.stored);
    }
}

TEST(SettingsDialog, NotWhileSearchingCancelKeepsAllOkTakesAllAndANewBackgroundReloads) {
    test::Player player;
    rq::Player& pw = *player.pw;
    PlayerLifecycle& life = *player.life;
    life.init_dialog();
    pw.settings.main_window_pos = {40, 50};
    pw.settings.search_step_table = {10, -10, 20, -20, 30, -30, 40, -40};
    const SettingsDialogValues before = dialog_values(pw.settings);
    const size_t placements = player.host.placements.size();
    pw.device.speed_index = 3;
    open_settings_dialog(pw);
    EXPECT_EQ(player.settings_dialog.shown, 0);
    pw.device.speed_index = 0;
    open_settings_dialog(pw);  // no edit: Cancel
    EXPECT_EQ(player.settings_dialog.shown, 1);
    EXPECT_EQ(player.settings_dialog.values, before);
    EXPECT_EQ(dialog_values(pw.settings), before);
    EXPECT_EQ(player.host.placements.size(), placements);

    // Distinct numbers, so that two fields mixed up show.
    SettingsDialogValues edited{1, 2, 3, "sky.bmp", {1, 2, 3, 4, 5, 6, 7, 8}, 4, 5, 6, 7, 9, 8, 0};
    player.settings_dialog.edit = [&](SettingsDialogValues& v) { v = edited; };
    open_settings_dialog(pw);
    EXPECT_EQ(dialog_values(pw.settings), edited);
    EXPECT_EQ(pw.tick.background_changed, 1);
    const WindowPlacement at = player.host.placements.back();
    EXPECT_EQ((Rect{at.x, at.y, at.w, at.h}), (Rect{40, 50, 406, 92}));
    EXPECT_EQ(at.z, ZOrder::TopMost);

    // The same name again asks for no reload; the window leaves the top.
    pw.tick.background_changed = 0;
    edited.always_on_top = 0;
    open_settings_dialog(pw);
    EXPECT_EQ(pw.tick.background_changed, 0);
    EXPECT_EQ(player.host.placements.back().z, ZOrder::NotTopMost);
}

TEST(SettingsDialog, ASpeedIsASignedWholeNumberAndNothingElse) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"2000", 2000},
        {" -33 ", -33},
        {"+5", 5},
        {"2147483647", 2147483647},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"12a", std::nullopt},
        {"1.5", std::nullopt},
        {"+-5", std::nullopt},
        {"- 5", std::nullopt},
        {"2147483648", std::nullopt},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(parse_search_step(text), value) << '"' << text << '"';
}

}  // namespace
}  // namespace rq
