// The settings record against its file: round trips, the position,
// video-size and search-speed rules, and files that are not what they seem.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <random>

#include "core/settings.h"
#include "support/player_fixture.h"

namespace rq {
namespace {

std::string template_text() {
    return test::read_bytes(std::string(RQ_SOURCE_DIR) + "/data/RQ01.sys");
}

constexpr Size kDesktop{1920, 1080};

// A record with every slot away from its default.
Settings unusual_settings() {
    Settings s;
    s.main_window_pos = {101, 102};
    s.video_window_pos = {103, 104};
    s.wheel_mode_playing = 1;
    s.wheel_mode_paused = 1;
    s.reserved = 7;
    s.maximized_click_mode = 1;
    s.hide_cursor_maximized = 1;
    s.panel_scan_mode = 6;
    s.panel_mask_a = 25;
    s.panel_mask_b = 13;
    s.paused_search_slow = 1;
    s.always_on_top = 1;
    s.shuffle = 1;
    s.repeat = 0;
    s.current_folder = "/home/user/100% fun = yes/ビデオ/";
    s.editor_rect = {33, 44, 555, 666};
    s.save_video_size = 1;
    s.video_size_mode = -1;
    s.fullscreen_fit_mode = 5;
    s.autoplay = 0;
    s.background_name = "metal %d %s.bmp";
    s.search_step_table = {1, -2, 3, -4, 5, -6, 7, -8};
    s.keypad_mode = 1;
    s.index_beside_file = 1;
    s.power_saving_off = 1;
    s.caption_flag = 1;
    s.title_field_mode = 1;
    s.time_display_mode = 0;
    s.badge_gone = 1;
    return s;
}

void expect_same(const Settings& a, const Settings& b) {
    EXPECT_EQ(render_settings(template_text(), a, ""), render_settings(template_text(), b, ""));
}

TEST(SettingsFile, TemplateHasFortyTwoSlotsInOrder) {
    std::string t = template_text();
    EXPECT_EQ(t.rfind("[WindowPoint]\r\nx=\r\ny=\r\n", 0), 0u);
    EXPECT_EQ(std::count(t.begin(), t.end(), '='), kSettingsSlots);
}

TEST(SettingsFile, RoundTripReproducesEverySlot) {
    Settings saved = unusual_settings();
    std::string out = render_settings(template_text(), saved, "/lists/50% off.rql");
    Settings loaded;
    std::string list_file;
    parse_settings(out, loaded, list_file, kDesktop);
    expect_same(saved, loaded);
    EXPECT_EQ(loaded.current_folder, saved.current_folder);
    EXPECT_EQ(loaded.background_name, saved.background_name);
    EXPECT_EQ(list_file, "/lists/50% off.rql");
}

TEST(SettingsFile, DefaultsRenderAsCrLfLines) {
    std::string out = render_settings(template_text(), Settings{}, "");
    EXPECT_EQ(out.rfind("[WindowPoint]\r\nx=0\r\ny=0\r\n", 0), 0u);
    EXPECT_NE(out.find("Repeat=1\r\n"), std::string::npos);
    EXPECT_NE(out.find("LeftPausedBackward=-33\r\n"), std::string::npos);
    EXPECT_NE(out.find("TimeDisplayMode=2\r\n"), std::string::npos);
}

TEST(SettingsFile, LongTextsAreNotCut) {
    Settings s;
    s.current_folder = "/" + std::string(3000, 'a') + "/";
    std::string list(2000, 'b');
    std::string out = render_settings(template_text(), s, list);
    Settings loaded;
    std::string loaded_list;
    parse_settings(out, loaded, loaded_list, kDesktop);
    EXPECT_EQ(loaded.current_folder, s.current_folder);
    EXPECT_EQ(loaded_list, list);
    EXPECT_EQ(loaded.badge_gone, 0);
    EXPECT_EQ(loaded.time_display_mode, 2);
}

// Each row: the settings text after "x=" and "y=" for the main window.
struct PositionCase {
    const char* name;
    int x, y;
    Point expected;
};

TEST(SettingsFile, MainWindowPositionChecks) {
    const PositionCase cases[] = {
        {"inside", 100, 200, {100, 200}},
        {"at or above 64000 passes", 65000, 5, {65000, 5}},
        {"x equal to the width resets both", 1920, 5, {0, 0}},
        {"y equal to the height resets both", 5, 1080, {0, 0}},
        {"negative passes", -20, -30, {-20, -30}},
    };
    for (const auto& c : cases) {
        Settings s;
        s.main_window_pos = {c.x, c.y};
        Settings loaded;
        std::string list;
        parse_settings(render_settings(template_text(), s, ""), loaded, list, kDesktop);
        EXPECT_EQ(loaded.main_window_pos, c.expected) << c.name;
    }
}

TEST(SettingsFile, BadPairsResetToTheirOwnDefaults) {
    Settings s;
    s.video_window_pos = {5000, 10};
    s.editor_rect = {20, 2000, 300, 400};
    Settings loaded;
    std::string list;
    parse_settings(render_settings(template_text(), s, ""), loaded, list, kDesktop);
    EXPECT_EQ(loaded.video_window_pos, (Point{0, 92}));
    EXPECT_EQ(loaded.editor_rect.x, 10);
    EXPECT_EQ(loaded.editor_rect.y, 100);  // not the default 10
    EXPECT_EQ(loaded.editor_rect.w, 300);
    EXPECT_EQ(loaded.editor_rect.h, 400);
    EXPECT_EQ(loaded.main_window_pos, (Point{0, 0}));
}

TEST(SettingsFile, VideoSizeModesNeedSaveVideoSize) {
    for (int save : {0, 1}) {
        Settings s;
        s.save_video_size = save;
        s.video_size_mode = 3;
        s.fullscreen_fit_mode = 5;
        Settings loaded;
        loaded.video_size_mode = 2;  // whatever was there before
        loaded.fullscreen_fit_mode = 5;
        std::string list;
        parse_settings(render_settings(template_text(), s, ""), loaded, list, kDesktop);
        EXPECT_EQ(loaded.video_size_mode, save ? 3 : 1);
        EXPECT_EQ(loaded.fullscreen_fit_mode, save ? 5 : 4);
    }
}

TEST(SettingsFile, OneEmptySearchSpeedRestoresAllEight) {
    Settings s;
    s.search_step_table = {1, 2, 3, 4, 5, 6, 7, 8};
    std::string out = render_settings(template_text(), s, "");
    size_t at = out.find("RightPlayingBackward=6");
    ASSERT_NE(at, std::string::npos);
    out.erase(at + std::string("RightPlayingBackward=").size(), 1);
    Settings loaded;
    std::string list;
    parse_settings(out, loaded, list, kDesktop);
    EXPECT_EQ(loaded.search_step_table, kDefaultSearchSteps);
}

TEST(SettingsFile, NonNumericValueReadsAsZeroButIsNotEmpty) {
    Settings loaded;
    std::string list;
    std::string text = render_settings(template_text(), Settings{}, "");
    size_t at = text.find("LeftPlayingForward=2000");
    text.replace(at, std::string("LeftPlayingForward=2000").size(), "LeftPlayingForward=abc");
    parse_settings(text, loaded, list, kDesktop);
    EXPECT_EQ(loaded.search_step_table[0], 0);
    EXPECT_EQ(loaded.search_step_table[1], -2000);
}

TEST(SettingsFile, TruncatedFileKeepsDefaultsForMissingSlots) {
    Settings s = unusual_settings();
    std::string out = render_settings(template_text(), s, "");
    out.resize(out.find("[EditorRect]"));
    Settings loaded;
    std::string list;
    parse_settings(out, loaded, list, kDesktop);
    EXPECT_EQ(loaded.repeat, 0);
    EXPECT_EQ(loaded.current_folder, s.current_folder);
    EXPECT_EQ(loaded.editor_rect.w, 200);
    EXPECT_EQ(loaded.autoplay, 1);
    EXPECT_EQ(loaded.time_display_mode, 2);
}

TEST(SettingsFile, GarbageLoadsWithoutHarm) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 200; ++round) {
        std::string junk(static_cast<size_t>(rng() % 4000), '\0');
        for (char& c : junk)
            c = static_cast<char>(rng() % 7 == 0 ? '=' : rng() % 256);
        Settings loaded;
        std::string list;
        parse_settings(junk, loaded, list, kDesktop);
        // Positions are the only checked values: they must come out valid.
        EXPECT_TRUE(loaded.main_window_pos.x < kDesktop.w || loaded.main_window_pos.x >= 64000);
    }
    Settings loaded;
    std::string list;
    parse_settings("x=99999999999999999999\r\ny=-99999999999999999999", loaded, list, kDesktop);
    EXPECT_EQ(loaded.main_window_pos.x, 2147483647);
    EXPECT_EQ(loaded.main_window_pos.y, -2147483647 - 1);
}

// The same through the main window and real files.
TEST(SettingsFiles, MissingFileIsCreatedWithDefaults) {
    test::Player p;
    p.life->init_dialog();
    std::string cfg = test::read_bytes(p.dir / "RQ01.CFG");
    EXPECT_EQ(cfg, render_settings(template_text(), Settings{}, ""));
    ASSERT_FALSE(p.host.placements.empty());
    const WindowPlacement& at = p.host.placements.back();
    EXPECT_EQ(at.x, 0);
    EXPECT_EQ(at.y, 0);
    EXPECT_EQ(at.w, 406);
    EXPECT_EQ(at.h, 92);
}

TEST(SettingsFiles, ExistingFileIsLoadedAndWindowPlaced) {
    test::Player p;
    Settings s = unusual_settings();
    test::write_bytes(p.dir / "RQ01.CFG", render_settings(template_text(), s, "/x.rql"));
    p.life->init_dialog();
    EXPECT_EQ(p.pw->settings.current_folder, s.current_folder);
    EXPECT_EQ(p.pw->stores.last_list_file.text(), "/x.rql");
    EXPECT_EQ(p.host.placements.back().x, 101);
    EXPECT_EQ(p.host.placements.back().y, 102);
}

TEST(SettingsFiles, SaveWithoutTemplateWritesNothing) {
    test::Player p({}, /*with_template=*/false);
    p.life->init_dialog();
    EXPECT_FALSE(std::filesystem::exists(p.dir / "RQ01.CFG"));
}

TEST(SettingsFiles, SaveReplacesTheFileInOnePiece) {
    test::Player p;
    p.life->init_dialog();
    // A second name for the old file: an in-place rewrite would change it too.
    std::filesystem::create_hard_link(p.dir / "RQ01.CFG", p.dir / "old.CFG");
    std::string before = test::read_bytes(p.dir / "old.CFG");
    p.pw->settings.repeat = 0;
    p.life->save_settings();
    EXPECT_EQ(test::read_bytes(p.dir / "old.CFG"), before);
    EXPECT_NE(test::read_bytes(p.dir / "RQ01.CFG").find("Repeat=0\r\n"), std::string::npos);
    for (const auto& e : std::filesystem::directory_iterator(p.dir.path()))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
}

TEST(SettingsFiles, LoadingClearsPressedKeysButNotHeldOnes) {
    test::Player p;
    p.life->init_dialog();
    p.keys.press(vk::kSpace);
    p.keys.release(vk::kSpace);
    p.keys.press(vk::letter('X'));
    p.life->load_settings();
    EXPECT_EQ(p.keys.query(vk::kSpace), 0);
    EXPECT_EQ(p.keys.query(vk::letter('X')), KeyState::kHeld);
}

}  // namespace
}  // namespace rq
