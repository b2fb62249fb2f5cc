#include "video/full_screen.h"

#include <string>

#include "core/player.h"
#include "panels/control_panel.h"
#include "panels/panel_values.h"
#include "panels/popup_input.h"
#include "video/layout.h"

namespace rq {

namespace {

// The cursor in full screen: hidden, and held at the screen's corner so
// that it cannot wake anything up, until the panel or windowed mode wants
// it back. `cursor_hidden` keeps the display counter balanced whatever
// happens in between.
void capture_cursor(Player& p) {
    p.saved_cursor = p.host().cursor_pos();
    p.host().confine_cursor(Rect{0, 0, 1, 1});
    p.host().set_cursor_pos({0, 0});
}

void hide_cursor(Player& p) {
    if (p.geometry.cursor_hidden) return;
    p.host().show_cursor(false);
    p.geometry.cursor_hidden = 1;
}

void show_cursor(Player& p) {
    if (!p.geometry.cursor_hidden) return;
    p.host().show_cursor(true);
    p.geometry.cursor_hidden = 0;
}

void release_cursor(Player& p) {
    p.host().confine_cursor(std::nullopt);
    p.host().set_cursor_pos(p.saved_cursor);
}

// The picture goes on as it was: a paused one is shown again where it stood.
void resume(Player& p) {
    if (p.device.paused)
        p.send("seek movie to " + std::to_string(p.device.position));
    else
        p.send("play movie");
}

void set_click_modes(Player& p, int mode) {
    overlay_set(p.windows().full_screen_input, 0, mode);
    overlay_set(p.windows().caption_overlay, 0, mode);
}

void load_panel(Player& p) {
    const Settings& s = p.settings;
    panel_load(p.windows().control_panel, s.panel_scan_mode, 1, s.panel_mask_a, s.panel_mask_b,
               s.fullscreen_fit_mode);
}

// The panel's values back into the settings that keep them, its fit too.
void read_back_panel(Player& p) {
    read_panel_values(p);
    p.settings.fullscreen_fit_mode = panel_read(p.windows().control_panel, 4);
}

}  // namespace

int caption_strip_height(int screen_height) {
    return screen_height / 24 + 4;
}

void read_full_screen_input(Player& p) {
    if (p.tick.fullscreen != 1) return;
    TransportState& t = p.transport;
    FullScreenInput& input = p.windows().full_screen_input;
    CaptionOverlay& caption = p.windows().caption_overlay;
    for (OverlayWindow* w :
         {static_cast<OverlayWindow*>(&input), static_cast<OverlayWindow*>(&caption)}) {
        const int wheel = overlay_poll(*w, 0);
        if (wheel != 0) t.speed_step_request = wheel;
    }
    if (t.key_lock_ticks != 0) t.speed_step_request = 0;
    const bool caption_click = overlay_poll(caption, 2) != 0;
    const bool input_click = !caption_click && overlay_poll(input, 2) != 0;
    if (caption_click || (input_click && p.geometry.panel_shown == 0)) {
        t.toggle_request = 1;
        p.host().focus_scroll_bar();
    }
    const bool middle = overlay_poll(input, 1) != 0 || overlay_poll(caption, 1) != 0;
    if (middle) {
        t.toggle_request = 1;
        p.host().focus_scroll_bar();
    }
}

void place_full_screen_popups(Player& p) {
    ChildWindows& w = p.windows();
    const Size screen = p.geometry.screen_size;
    if (p.geometry.panel_shown == 1) {
        if (w.control_panel.visible()) {
            w.control_panel.place(
                {0, screen.h - kPanelHeight, screen.w, kPanelHeight, ZOrder::TopMost, true, false});
            p.host().focus_scroll_bar();
            panel_set_caption(p);
        }
    } else if (p.settings.panel_scan_mode == 1 || p.settings.hide_cursor_maximized == 0 ||
               p.timed_text.table_loaded()) {
        w.caption_overlay.place({0, -kTitleBarOffset, screen.w, screen.h + kTitleBarOffset,
                                 ZOrder::TopMost, true, false});
        p.host().focus_scroll_bar();
    }
}

void toggle_caption_overlay(Player& p) {
    CaptionOverlay& caption = p.windows().caption_overlay;
    if (caption.exists()) {
        caption.destroy();
        return;
    }
    const Size screen = p.geometry.screen_size;
    caption.create();
    caption.place({0, -kTitleBarOffset, screen.w, screen.h + kTitleBarOffset, ZOrder::Unchanged,
                   true, false});
    std::vector<Rect> rows;
    if (p.settings.caption_flag != 0 && p.timed_text.table_loaded()) {
        const int strip = caption_strip_height(screen.h);
        caption.caption_move({0, screen.h + kTitleBarOffset - strip, screen.w, strip});
        // Row by row, the strip less its top row.
        for (int j = screen.h - strip + 1; j <= screen.h - 1; ++j)
            rows.push_back({0, j + kTitleBarOffset, screen.w, 1});
    }
    caption.set_region(rows);
}

void enter_full_screen(Player& p) {
    // Once is enough: a second entry would hide the cursor twice.
    if (p.tick.fullscreen == 1) return;
    GeometryState& g = p.geometry;
    ChildWindows& w = p.windows();
    const bool hide = p.settings.hide_cursor_maximized != 0;
    p.tick.busy = 1;
    p.tick.fullscreen = 1;
    if (hide) hide_cursor(p);

    p.send("window movie handle default");
    g.screen_size = p.host().desktop_size();
    const Size screen = g.screen_size;
    g.panel_shown = 0;

    ControlPanel& panel = w.control_panel;
    if (!panel.exists()) {
        panel.create();
        load_panel(p);
        panel_set(panel, 3, screen.w);
        read_back_panel(p);
        panel_set_caption(panel, p.settings.caption_flag);
    }
    panel.place({.z = ZOrder::Bottom, .show = true, .activate = false, .move = false});
    set_click_modes(p, p.settings.maximized_click_mode);
    if (hide) capture_cursor(p);

    FullScreenInput& input = w.full_screen_input;
    input.create();
    const Rect cover{0, -kTitleBarOffset, screen.w + kInputExtraWidth, screen.h + kTitleBarOffset};
    input.place({cover.x, cover.y, cover.w, cover.h, ZOrder::Bottom, true, false});
    input.place({cover.x, cover.y, cover.w, cover.h, ZOrder::TopMost, true, true});

    send_target(p, input.handle());
    layout(p);
    resume(p);
    p.tick.busy = 0;
    p.host().focus_scroll_bar();
}

void leave_full_screen(Player& p) {
    if (p.tick.fullscreen != 1) return;
    GeometryState& g = p.geometry;
    ChildWindows& w = p.windows();
    // The setting may have changed since the cursor was taken.
    const bool cursor_taken = p.settings.hide_cursor_maximized != 0 || g.cursor_hidden;
    p.tick.busy = 1;
    p.tick.fullscreen = 0;
    p.input.seek_drag = 0;
    p.input.volume_drag = 0;
    if (cursor_taken) release_cursor(p);
    show_cursor(p);

    p.send("window movie handle default");
    read_back_panel(p);
    w.full_screen_input.destroy();
    w.caption_overlay.destroy();
    w.control_panel.destroy();
    g.panel_shown = 0;

    send_target(p, w.video_window.handle());
    p.send("pause movie");
    layout(p);
    resume(p);
    p.tick.busy = 0;
    p.host().focus_scroll_bar();
}

void toggle_panel(Player& p) {
    // Only the full-screen windows ask for the panel.
    if (p.tick.fullscreen != 1) return;
    GeometryState& g = p.geometry;
    const bool hide = p.settings.hide_cursor_maximized != 0;
    g.panel_shown = g.panel_shown ? 0 : 1;
    if (g.panel_shown) {
        load_panel(p);
        set_click_modes(p, 0);
        if (hide || g.cursor_hidden) {
            release_cursor(p);
            show_cursor(p);
        }
        const int volume = static_cast<int>(p.env.volume.get() & 0xFFFFu) / 257;
        panel_set(p.windows().control_panel, 2, volume);
    } else {
        if (hide) hide_cursor(p);
        read_back_panel(p);
        if (p.windows().caption_overlay.exists()) p.windows().caption_overlay.destroy();
        toggle_caption_overlay(p);
        set_click_modes(p, p.settings.maximized_click_mode);
        if (hide) capture_cursor(p);
    }
    p.send("pause movie");
    layout(p);
    resume(p);
}

}  // namespace rq
