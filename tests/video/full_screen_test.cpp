// Window geometry on a 1024 x 768 desktop: the windowed sizes, full screen
// and its windows, the cursor, the notices and the edge snapping.

#include <gtest/gtest.h>

#include <algorithm>

#include "panels/control_panel.h"
#include "panels/popup_input.h"
#include "support/player_fixture.h"
#include "video/full_screen.h"
#include "video/layout.h"
#include "video/main_window_events.h"
#include "video/notifications.h"

namespace rq {
namespace {

using Commands = std::vector<std::string>;

// A player on a 1024 x 768 desktop playing one clip of the given picture
// size (and its caption file when given), past its first tick.
struct Playing {
    explicit Playing(Size picture, const std::string& captions = "") {
        p.host.desktop = {1024, 768};
        const std::string path = p.dir / "clip.mpg";
        test::write_bytes(path, "clip");
        if (!captions.empty()) test::write_bytes(p.dir / "clip.txt", captions);
        p.engine.add_media(path, {60000, 25, Rect{0, 0, picture.w, picture.h}});
        p.life->on_create();
        p.life->init_dialog();
        pw().settings.badge_gone = 1;
        pw().stores.path_list.insert_at(-1, path);
        life().timer_tick();
        p.forget_commands();
    }
    rq::Player& pw() { return *p.pw; }
    PlayerLifecycle& life() { return *p.life; }
    std::string last_destination() const {
        std::string last;
        for (const std::string& c : p.commands())
            if (c.rfind("put movie destination at ", 0) == 0) last = c.substr(25);
        return last;
    }
    int count(const std::string& command) const {
        const Commands all = p.commands();
        return static_cast<int>(std::count(all.begin(), all.end(), command));
    }
    test::Player p;
};

TEST(FullScreen, DestinationKeepsTheAspectInSinglePrecisionOrStretches) {
    struct Case {
        Size picture;
        int fit;
        const char* sent;
        int fit_after;
    } cases[] = {
        {{640, 480}, 4, "0 20 1024 768", 4},
        // 3.2f is a hair above 3.2: 180 x 3.2f is above 576 and the origin 95.
        {{320, 180}, 4, "0 115 1024 576", 4},
        // 480 x 1.2f is a hair above 576 too: 1024 less it truncates to 447.
        {{480, 640}, 4, "223 20 576 768", 4},
        {{320, 180}, 5, "0 20 1024 768", 5},
        {{640, 480}, 9, "0 20 1024 768", 5},
        {{640, 480}, 1, "0 20 1024 768", 4},
    };
    for (const Case& c : cases) {
        Playing t(c.picture);
        t.pw().settings.fullscreen_fit_mode = c.fit;
        enter_full_screen(t.pw());
        EXPECT_EQ(t.last_destination(), c.sent)
            << c.picture.w << "x" << c.picture.h << " fit " << c.fit;
        EXPECT_EQ(t.pw().settings.fullscreen_fit_mode, c.fit_after);
    }
}

class Geometry : public ::testing::Test, public Playing {
  protected:
    Geometry() : Playing({640, 480}) {}
};

class Geometry321 : public ::testing::Test, public Playing {
  protected:
    Geometry321() : Playing({321, 241}) {}
};

TEST_F(Geometry321, WindowedSizeModesPlaceTheVideoWindowOrTheDesktop) {
    struct Case {
        int mode, mode_after;
        Rect window;
        const char* sent;
        int zoom;
    } cases[] = {
        {-5, -1, {0, 92, 0, 0}, "0 0 0 0", 0},
        {0, 0, {0, 92, 160, 120}, "0 0 160 120", 50},
        {1, 1, {0, 92, 321, 241}, "0 0 321 241", 100},
        {2, 2, {0, 92, 642, 482}, "0 0 642 482", 200},
        {7, 3, {0, 92, 0, 0}, "0 0 1024 766", 0},
    };
    for (const Case& c : cases) {
        p.forget_commands();
        p.host.placements.clear();
        pw().settings.video_size_mode = c.mode;
        layout(pw());
        EXPECT_EQ(pw().settings.video_size_mode, c.mode_after);
        EXPECT_EQ(p.children.video_window.at, c.window) << c.mode;
        EXPECT_EQ(last_destination(), c.sent) << c.mode;
        EXPECT_EQ(pw().geometry.zoom_percent, c.zoom) << c.mode;
        const bool desktop = c.mode_after == 3;
        EXPECT_EQ(p.children.desktop.shown, desktop);
        EXPECT_EQ(count("window movie handle 99"), desktop ? 1 : 0);
        EXPECT_EQ(count("window movie handle default state minimized"), desktop ? 1 : 0);
        EXPECT_EQ(count("window movie handle 2"), desktop ? 0 : 1);
        // The face goes below every window for the desktop picture.
        const bool bottom =
            std::any_of(p.host.placements.begin(), p.host.placements.end(),
                        [](const WindowPlacement& w) { return w.z == ZOrder::Bottom; });
        EXPECT_EQ(bottom, desktop);
    }
}

TEST_F(Geometry, TheCursorIsHiddenOnceAndGivenBackOnceWhateverThePanelDid) {
    struct Case {
        int hide, panel_toggles;
    } cases[] = {{1, 0}, {1, 1}, {1, 2}, {1, 3}, {0, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "hide " << c.hide << ", toggles " << c.panel_toggles);
        pw().settings.hide_cursor_maximized = c.hide;
        p.host.cursor = {500, 400};
        p.host.cursor_calls = 0;
        enter_full_screen(pw());
        enter_full_screen(pw());  // a second entry changes nothing
        EXPECT_EQ(p.host.cursor_count, c.hide ? -1 : 0);
        if (c.hide) {
            EXPECT_EQ(p.host.confined, (Rect{0, 0, 1, 1}));
            EXPECT_EQ(p.host.cursor, (Point{0, 0}));
        }
        for (int k = 0; k < c.panel_toggles; ++k) {
            notify(pw(), 1);
            EXPECT_EQ(p.host.cursor_count, c.hide && k % 2 == 1 ? -1 : 0);
        }
        notify(pw(), 5);
        EXPECT_EQ(pw().tick.fullscreen, 0);
        EXPECT_EQ(p.host.cursor_count, 0);
        EXPECT_EQ(p.host.confined, std::nullopt);
        EXPECT_EQ(p.host.cursor, (Point{500, 400}));
        EXPECT_EQ(p.host.cursor_calls, c.hide ? 2 + c.panel_toggles - c.panel_toggles % 2 : 0);
    }
}

TEST_F(Geometry, EnteringAndLeavingMoveThePictureAndTheWindows) {
    enter_full_screen(pw());
    EXPECT_EQ(p.children.full_screen_input.at, (Rect{0, -20, 1074, 788}));
    EXPECT_TRUE(p.children.control_panel.exists());
    EXPECT_TRUE(p.children.caption_overlay.exists());
    EXPECT_EQ(pw().geometry.overlay_settle, 4);
    const Commands entered = p.commands();
    EXPECT_EQ(Commands(entered.begin(), entered.begin() + 2),
              (Commands{"window movie handle default", "window movie handle 1"}));
    EXPECT_EQ(entered.back(), "play movie");
    // The settle countdown puts the caption window over the screen once.
    p.main_ticks(3);
    EXPECT_EQ(pw().geometry.overlay_settle, 1);
    EXPECT_EQ(p.children.caption_overlay.placements.back().z, ZOrder::TopMost);

    p.forget_commands();
    notify(pw(), 5);
    EXPECT_EQ(p.commands(), (Commands{"window movie handle default", "window movie handle 2",
                                      "pause movie", "where movie destination",
                                      "window movie handle default", "window movie handle 2",
                                      "put movie destination at 0 0 640 480", "play movie"}));
    EXPECT_FALSE(p.children.full_screen_input.exists());
    EXPECT_FALSE(p.children.caption_overlay.exists());
    EXPECT_FALSE(p.children.control_panel.exists());
}

TEST(FullScreen, ClickModes) {
    struct Case {
        int click_mode;
        bool double_click;
        int paused_after, panel_after;
    } cases[] = {
        {1, false, 1, 0},  // a click toggles play and pause
        {1, true, 1, 1},   // the first click of the pair already paused
        {0, false, 0, 1},  // a click shows the panel
        {0, true, 0, 1},   // and the double click adds nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "mode " << c.click_mode << ", double " << c.double_click);
        Playing t({640, 480});
        t.pw().settings.maximized_click_mode = c.click_mode;
        enter_full_screen(t.pw());
        t.p.main_ticks(4);
        FullScreenInput& input = t.pw().windows().full_screen_input;
        overlay_left_down(input);
        t.p.main_ticks(1);
        if (c.double_click) {
            overlay_left_double_click(input);
            t.p.main_ticks(1);
        }
        EXPECT_EQ(t.pw().device.paused, c.paused_after);
        EXPECT_EQ(t.pw().geometry.panel_shown, c.panel_after);
        // While the panel shows, a click only hides it again.
        EXPECT_EQ(input.mailbox.overlay_click_mode, c.panel_after ? 0 : c.click_mode);
    }
}

TEST(FullScreen, CaptionStripShapeAndTheLineItShows) {
    // Half-width text first, then a line with two-byte characters.
    Playing t({640, 480}, "[00:00]0123456789abcdefghij\r\n[00:01]\x82\xa0\x82\xa2 ok\r\n");
    test::Player& p = t.p;
    auto pw = [&]() -> rq::Player& { return t.pw(); };
    pw().settings.caption_flag = 1;
    enter_full_screen(pw());
    const int strip = caption_strip_height(768);
    ASSERT_EQ(strip, 36);
    EXPECT_EQ(p.children.caption_overlay.strip, (Rect{0, 752, 1024, 36}));
    const std::vector<Rect>& rows = p.children.caption_overlay.region;
    ASSERT_EQ(rows.size(), 35u);
    EXPECT_EQ(rows.front(), (Rect{0, 753, 1024, 1}));
    EXPECT_EQ(rows.back(), (Rect{0, 787, 1024, 1}));

    p.main_ticks(6);
    const auto& drawn = p.children.caption_overlay.drawn;
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.back().text, "0123456789abcdefghij");
    EXPECT_EQ(drawn.back().x, 352);
    EXPECT_EQ(drawn.back().font_height, 32);
    p.engine.advance(1000);
    p.main_ticks(5);
    EXPECT_EQ(drawn.back().text, "\xe3\x81\x82\xe3\x81\x84 ok");
    EXPECT_EQ(drawn.back().x, (1024 - 16 * 7) / 2);

    // Without the caption setting the strip has no shape at all.
    pw().settings.caption_flag = 0;
    notify(pw(), 1);
    notify(pw(), 1);
    EXPECT_TRUE(p.children.caption_overlay.region.empty());
}

TEST_F(Geometry, MovesNearTheEdgeSnapAndTheVideoWindowIsPlacedAgainOnce) {
    struct Case {
        Point moved, kept;
    } cases[] = {
        {{10, 50}, {0, 50}}, {{17, 50}, {17, 50}}, {{-30, 17}, {0, 17}}, {{300, 16}, {300, 0}}};
    for (const Case& c : cases) {
        p.host.placements.clear();
        main_window_moved(pw(), c.moved);
        EXPECT_EQ(pw().settings.main_window_pos, c.kept);
        if (c.kept == c.moved) {
            EXPECT_TRUE(p.host.placements.empty());
        } else {
            ASSERT_EQ(p.host.placements.size(), 1u);
            const WindowPlacement& at = p.host.placements[0];
            EXPECT_EQ((Rect{at.x, at.y, at.w, at.h}), (Rect{c.kept.x, c.kept.y, 406, 92}));
        }
    }

    VideoWindow& video = pw().windows().video_window;
    video_window_moved(video, {300, 5});
    EXPECT_EQ(video.video_pos, (Point{300, 0}));
    EXPECT_EQ(video_poll(video, 4), 1);
    EXPECT_EQ(video_poll(video, 4), 0);
    video_window_moved(video, {300, 17});
    EXPECT_EQ(video_poll(video, 4), 0);
    // The tick places a snapped window again, once.
    video_window_moved(video, {300, 5});
    p.forget_commands();
    p.main_ticks(3);
    EXPECT_EQ(count("where movie destination"), 1);
    EXPECT_EQ(p.children.video_window.at, (Rect{300, 0, 640, 480}));
}

TEST_F(Geometry, ActivationAndTheHiddenScrollBar) {
    application_activated(pw(), false);
    EXPECT_EQ(pw().tick.window_active, 0);
    pw().geometry.minimised_by = 3;
    pw().transport.wheel_step = 1;
    application_activated(pw(), true);
    EXPECT_EQ(pw().tick.window_active, 1);
    EXPECT_EQ(pw().geometry.relayout_pending, 1);
    EXPECT_EQ(pw().transport.wheel_step, 0);
    pw().tick.busy = 1;
    application_activated(pw(), false);
    EXPECT_EQ(pw().tick.window_active, 1);
    pw().tick.busy = 0;

    for (auto [action, step] : {std::pair{ScrollAction::LineBack, 1},
                                {ScrollAction::PageForward, -1},
                                {ScrollAction::ToStart, 1},
                                {ScrollAction::EndScroll, 0}}) {
        pw().transport.wheel_step = 0;
        main_window_scrolled(pw(), action);
        EXPECT_EQ(pw().transport.wheel_step, step);
    }
}

}  // namespace
}  // namespace rq
