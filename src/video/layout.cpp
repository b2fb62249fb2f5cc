#include "video/layout.h"

#include <string>

#include "core/player.h"
#include "video/full_screen.h"

namespace rq {

namespace {

// Z-order of the main window after a layout: top-most when the user asked
// for it, and back from a minimise with the right button.
void restore_main_window_order(Player& p) {
    const int by = p.geometry.minimised_by;
    WindowPlacement order{.z = ZOrder::NotTopMost, .show = true, .activate = false, .move = false};
    if (p.settings.always_on_top == 1 && by == 0) {
        p.host().place(order);
        order.z = ZOrder::TopMost;
        p.host().place(order);
    } else if (by == 2 || by == 3) {
        order.z = ZOrder::TopMost;
        p.host().place(order);
        if (p.settings.always_on_top == 0) {
            order.z = ZOrder::NotTopMost;
            p.host().place(order);
            p.host().place(order);
        }
    }
}

void layout_windowed(Player& p) {
    GeometryState& g = p.geometry;
    VideoWindow& video = p.windows().video_window;
    DesktopTarget& desktop = p.windows().desktop;
    const Point pos = video.video_pos;
    p.settings.video_window_pos = pos;
    const std::string where = p.query("where movie destination");
    if (where.empty() || g.minimised_by == 1) {
        video.place({pos.x, pos.y, 0, 0, ZOrder::Unchanged, true, false});
        g.zoom_percent = 0;
    } else {
        g.screen_size = p.host().desktop_size();
        g.zoom_display_ticks = 6;
        int& mode = p.settings.video_size_mode;
        g.video_size = windowed_video_size(mode, p.media.native_size, g.screen_size);
        g.zoom_percent = zoom_percent_for(mode);
        const Rect dest{p.media.dest_origin.x, p.media.dest_origin.y, g.video_size.w,
                        g.video_size.h};
        if (mode == 3) {
            p.host().place({.z = ZOrder::Bottom, .show = true, .activate = false, .move = false});
            p.send("window movie handle default state minimized");
            send_target(p, desktop.handle());
            send_destination(p, dest);
            video.place({pos.x, pos.y, 0, 0, ZOrder::Unchanged, false, false});
            g.zoom_display_ticks = 0;
        } else {
            desktop.hide();
            // Behind another application the picture moves but only comes
            // up when the face went down with it.
            const bool active = p.tick.window_active == 1;
            video.place({pos.x, pos.y, g.video_size.w, g.video_size.h,
                         active ? ZOrder::NotTopMost : ZOrder::Unchanged,
                         active || p.host().minimized(), false});
            if (active)
                p.host().place({.z = ZOrder::Top, .show = true, .activate = false, .move = false});
            p.send("window movie handle default");
            send_target(p, video.handle());
            send_destination(p, dest);
        }
    }
    restore_main_window_order(p);
    p.host().focus_scroll_bar();
}

void layout_full_screen(Player& p) {
    GeometryState& g = p.geometry;
    ChildWindows& w = p.windows();
    const Size screen = g.screen_size;
    if (g.panel_shown)
        w.control_panel.place(
            {.z = ZOrder::TopMost, .show = true, .activate = false, .move = false});
    w.full_screen_input.place({0, -kTitleBarOffset, screen.w + kInputExtraWidth,
                               screen.h + kTitleBarOffset, ZOrder::TopMost, true, true});
    Rect dest =
        full_screen_destination(p.media.native_size, screen, p.settings.fullscreen_fit_mode);
    dest.y += kTitleBarOffset;
    send_destination(p, dest);
    if (g.panel_shown) {
        w.control_panel.place(
            {0, screen.h - kPanelHeight, screen.w, kPanelHeight, ZOrder::TopMost, true, false});
    } else {
        if (w.caption_overlay.exists()) w.caption_overlay.destroy();
        p.send("pause movie");
        toggle_caption_overlay(p);
        g.overlay_settle = 4;
    }
}

}  // namespace

Size windowed_video_size(int& mode, Size native, Size screen) {
    if (mode < 0) {
        mode = -1;
        return {0, 0};
    }
    switch (mode) {
        case 0:
            return {native.w / 2, native.h / 2};
        case 1:
            return native;
        case 2:
            return {native.w * 2, native.h * 2};
        default:
            mode = 3;
            return {screen.w, screen.h - 2};
    }
}

int zoom_percent_for(int mode) {
    switch (mode) {
        case 0:
            return 50;
        case 1:
            return 100;
        case 2:
            return 200;
        default:
            return 0;
    }
}

Rect full_screen_destination(Size native, Size screen, int& fit_mode) {
    if (fit_mode > 4 || native.w <= 0 || native.h <= 0) {
        if (fit_mode > 4)
            fit_mode = 5;
        else
            fit_mode = 4;
        return {0, 0, screen.w, screen.h};
    }
    fit_mode = 4;
    const float sx = static_cast<float>(screen.w) / static_cast<float>(native.w);
    const float sy = static_cast<float>(screen.h) / static_cast<float>(native.h);
    const float scale = sx < sy ? sx : sy;
    // The products are taken at full precision: 180 x 3.2f lands a hair
    // above 576, which puts a 16:9 picture at y 95, not 96.
    const double w = native.w * static_cast<double>(scale);
    const double h = native.h * static_cast<double>(scale);
    return {static_cast<int>(screen.w - w) / 2, static_cast<int>(screen.h - h) / 2,
            static_cast<int>(w), static_cast<int>(h)};
}

void send_target(Player& p, int handle) {
    p.send("window movie handle " + std::to_string(handle));
}

void send_destination(Player& p, const Rect& r) {
    p.send("put movie destination at " + std::to_string(r.x) + " " + std::to_string(r.y) + " " +
           std::to_string(r.w) + " " + std::to_string(r.h));
}

void layout(Player& p) {
    p.timed_text.title_redraw = 3;
    if (p.tick.fullscreen)
        layout_full_screen(p);
    else
        layout_windowed(p);
}

void apply_video_snap(Player& p) {
    VideoWindow& video = p.windows().video_window;
    if (video.video_snapped == 0) return;
    video.video_snapped = 0;
    layout(p);
}

void restore_after_minimise(Player& p) {
    GeometryState& g = p.geometry;
    const bool minimized = p.host().minimized();
    if (g.minimised_by >= 2) {
        if (!minimized) {
            g.minimised_by = 0;
            p.tick.window_active = 1;
        }
        if (g.minimised_by == 2) {
            g.minimised_by = 3;
            layout(p);
        } else if (g.minimised_by == 3 && g.relayout_pending) {
            g.relayout_pending = 0;
            layout(p);
        }
    } else if (g.minimised_by == 1 && !minimized) {
        g.minimised_by = 0;
        layout(p);
        p.tick.window_active = 1;
    }
}

}  // namespace rq
