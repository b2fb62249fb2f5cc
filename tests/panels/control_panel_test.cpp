// The control panel's controls and operations, the tick's exchange with it,
// and the centring of a caption line.

#include "panels/control_panel.h"

#include <gtest/gtest.h>

#include "panels/popup_input.h"
#include "support/player_fixture.h"
#include "video/full_screen.h"
#include "video/notifications.h"

namespace rq {
namespace {

class Panel : public ControlPanel {
  public:
    bool exists() const override { return true; }
    void create() override {}
    void destroy() override {}
    void place(const WindowPlacement&) override {}
    bool visible() const override { return true; }
    Rect rect() const override { return {}; }
    int handle() const override { return 0; }
};

TEST(ControlPanel, ButtonsLeaveTheirLastCodeForTheTick) {
    Panel panel;
    panel_button(panel, PanelButton::PlayPause);
    panel_button(panel, PanelButton::PlayPause);
    EXPECT_EQ(panel_poll(panel, 4), 3);
    EXPECT_EQ(panel_poll(panel, 4), 0);
    EXPECT_EQ(panel_poll(panel, 5), 1);
    EXPECT_EQ(panel_poll(panel, 5), 10);
    panel_button(panel, PanelButton::PlayPause);
    EXPECT_EQ(panel_poll(panel, 5), 0);
    panel_button(panel, PanelButton::Next);
    EXPECT_EQ(panel_poll(panel, 5), 2);
    panel_button(panel, PanelButton::Back);
    EXPECT_EQ(panel_poll(panel, 5), 3);
}

TEST(ControlPanel, SlidersStepWithinTheirRangeAndScaleToTheDevice) {
    struct Case {
        PanelSlider slider;
        int from;
        ScrollAction action;
        int reported, to;
    } cases[] = {
        {PanelSlider::Seek, 2046, ScrollAction::PageForward, 0, 2048},
        {PanelSlider::Seek, 3, ScrollAction::PageBack, 0, 0},
        {PanelSlider::Seek, 0, ScrollAction::LineBack, 0, 0},
        {PanelSlider::Seek, 10, ScrollAction::ToEnd, 0, 2048},
        {PanelSlider::Volume, 100, ScrollAction::LineForward, 0, 101},
        {PanelSlider::Volume, 100, ScrollAction::ToStart, 0, 0},
        {PanelSlider::Volume, 100, ScrollAction::Thumb, 5000, 2048},
        {PanelSlider::Volume, 100, ScrollAction::EndScroll, 7, 100},
    };
    for (const Case& c : cases) {
        Panel panel;
        panel_set(panel, 0, 20040);
        int& slider = c.slider == PanelSlider::Seek ? panel.seek_slider : panel.volume_slider;
        slider = c.from;
        panel_scrolled(panel, c.slider, c.action, c.reported);
        EXPECT_EQ(slider, c.to) << c.from << " " << static_cast<int>(c.action);
        if (c.slider == PanelSlider::Seek) {
            EXPECT_EQ(panel_poll(panel, 0), 1);
            EXPECT_EQ(panel_poll(panel, 1), static_cast<int>(20040.0f / 2048.0f * c.to));
        } else {
            EXPECT_EQ(panel_poll(panel, 2), 2);
            EXPECT_EQ(panel.mailbox.panel_volume_pos, c.to);
        }
    }
    // From a device position back to the slider; nothing open leaves it at 0.
    Panel panel;
    panel_set(panel, 0, 20040);
    panel_set(panel, 1, 10020);
    EXPECT_EQ(panel.seek_slider, 1024);
    panel_set(panel, 0, 0);
    panel_set(panel, 1, 10020);
    EXPECT_EQ(panel.seek_slider, 0);
}

TEST(ControlPanel, VolumeBetweenSliderAndWaveOut) {
    Panel panel;
    panel_set(panel, 2, 255);
    EXPECT_EQ(panel.volume_slider, 2048);
    panel_set(panel, 2, 0);
    EXPECT_EQ(panel.volume_slider, 8);
    for (auto [slider, volume] : {std::pair{2048, 255}, {15, 0}, {0, 0}, {16, 1}, {1023, 126}}) {
        panel.mailbox.panel_volume_pos = slider;
        EXPECT_EQ(panel_poll(panel, 3), volume) << slider;
    }
}

TEST(ControlPanel, LoadedValuesShowAndReadBack) {
    struct Case {
        int scan, fit;
        const char* scan_text;
        const char* fit_text;
        int scan_read, fit_read;
    } cases[] = {
        {-2, 4, "Off", "FULL1", 0, 4},
        {1, 5, "Auto", "FULL2", 1, 5},
        {2, 9, "Mode1", "FULL2", 2, 5},
        {9, 0, "Mode5", "FULL1", 6, 4},
    };
    for (const Case& c : cases) {
        Panel panel;
        panel_load(panel, c.scan, 7, 5, 25, c.fit);
        EXPECT_EQ(scan_mode_text(panel.mailbox.panel_scan_mode), c.scan_text);
        EXPECT_EQ(fit_mode_text(panel.mailbox.panel_fit_mode), c.fit_text);
        EXPECT_EQ(panel_read(panel, 0), c.scan_read);
        EXPECT_EQ(panel_read(panel, 1), 1);
        EXPECT_EQ(panel_read(panel, 2), 5);
        EXPECT_EQ(panel_read(panel, 3), 25);
        EXPECT_EQ(panel_read(panel, 4), c.fit_read);
    }
    EXPECT_EQ(mask_text(5), " 5%");
    EXPECT_EQ(mask_text(25), "25%");

    Panel panel;
    panel_load(panel, 0, 0, 0, 0, 5);
    panel_fit_step(panel, +1);
    EXPECT_EQ(fit_mode_text(panel.mailbox.panel_fit_mode), "FULL2");
    EXPECT_EQ(panel_poll(panel, 6), 4);
    EXPECT_EQ(panel_poll(panel, 6), 0);
    panel_fit_step(panel, -1);
    EXPECT_EQ(panel_read(panel, 4), 4);
    for (int k = 0; k < 30; ++k)
        panel_hidden_step(panel, PanelStep::MaskAUp);
    panel_hidden_step(panel, PanelStep::ScanDown);
    EXPECT_EQ(panel_read(panel, 2), 25);
    EXPECT_EQ(panel_read(panel, 0), 0);
}

// The tick carries out what the panel recorded, in full screen with the
// panel shown.
class Exchange : public ::testing::Test {
  protected:
    void SetUp() override {
        p.host.desktop = {1024, 768};
        for (const char* name : {"a.mpg", "b.mpg"}) {
            test::write_bytes(p.dir / name, "clip");
            p.engine.add_media(p.dir / name, {20040, 25, Rect{0, 0, 640, 480}});
            pw().stores.path_list.insert_at(-1, p.dir / name);
        }
        p.start();
        pw().settings.badge_gone = 1;
        enter_full_screen(pw());
        notify(pw(), 1);
        p.main_ticks(1);
        p.forget_commands();
    }
    rq::Player& pw() { return *p.pw; }
    PlayerLifecycle& life() { return *p.life; }
    ControlPanel& panel() { return pw().windows().control_panel; }
    std::string last(const std::string& prefix) const {
        std::string found;
        for (const std::string& c : p.commands())
            if (c.rfind(prefix, 0) == 0) found = c;
        return found;
    }
    test::Player p;
};

TEST_F(Exchange, SlidersSeekAndSetTheVolume) {
    ASSERT_EQ(pw().geometry.panel_shown, 1);
    EXPECT_EQ(panel().volume_slider, 2048);  // the wave-out volume starts at full
    EXPECT_EQ(panel().mailbox.panel_length, 20040);

    panel_scrolled(panel(), PanelSlider::Seek, ScrollAction::Thumb, 1024);
    panel_scrolled(panel(), PanelSlider::Volume, ScrollAction::Thumb, 800);
    p.main_ticks(1);
    EXPECT_EQ(last("play movie from"), "play movie from 10020");
    EXPECT_EQ(p.volume.get(), 99u * 16843009u);
    EXPECT_EQ(pw().input.volume_knob, static_cast<int>(99u * 16843009u / 74051160u));
}

TEST_F(Exchange, ButtonsFitModeAndCaption) {
    panel_button(panel(), PanelButton::Next);
    p.main_ticks(2);
    EXPECT_EQ(last("open "), "open \"b.mpg\" type mpegvideo alias movie");

    panel_button(panel(), PanelButton::PlayPause);
    p.main_ticks(2);
    EXPECT_EQ(pw().device.paused, 1);
    const int paused_at = pw().device.position;
    panel_button(panel(), PanelButton::Next);  // paused: one step on
    p.main_ticks(1);
    EXPECT_EQ(last("seek movie to"), "seek movie to " + std::to_string(paused_at + 1));

    panel_fit_step(panel(), +1);
    panel_caption_clicked(panel());
    p.main_ticks(1);
    EXPECT_EQ(pw().settings.fullscreen_fit_mode, 5);
    EXPECT_EQ(last("put movie destination at"), "put movie destination at 0 20 1024 768");
    EXPECT_EQ(pw().settings.caption_flag, 1);
}

TEST(Caption, StartsCentredByHalfWidthCells) {
    struct Case {
        const char* text;
        int cells, width, height, x;
    } cases[] = {
        {"01234567890123456789", 20, 1024, 36, 352},
        {"あいう", 6, 1024, 36, (1024 - 96) / 2},
        {"ｱｲｳ", 3, 1024, 36, (1024 - 48) / 2},
        {"", 0, 1024, 36, 512},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(caption_length(c.text), c.cells) << c.text;
        EXPECT_EQ(caption_x(c.cells, c.width, c.height), c.x) << c.text;
    }
    // Too long to centre: it starts off the left edge.
    EXPECT_EQ(caption_x(100, 1024, 36), -288);
    // When the start and the length reach the width, it starts at 0.
    EXPECT_EQ(caption_x(20, 30, 4), 0);
}

}  // namespace
}  // namespace rq
