#include "input/full_screen.h"

#include "core/player.h"
#include "panels/panel_exchange.h"

namespace rq {

namespace {

// Reads a read-and-clear cell.
int take(int& cell) {
    const int v = cell;
    cell = 0;
    return v;
}

}  // namespace

void read_full_screen_input(Player& p) {
    if (p.tick.fullscreen != 1) return;
    TransportState& t = p.transport;
    OverlayMailbox& input = p.windows().full_screen_input.mailbox;
    OverlayMailbox& caption = p.windows().caption_overlay.mailbox;
    for (OverlayMailbox* box : {&input, &caption}) {
        const int wheel = take(box->overlay_wheel);
        if (wheel != 0) t.speed_step_request = wheel;
    }
    if (t.key_lock_ticks != 0) t.speed_step_request = 0;
    const bool caption_click = take(caption.overlay_click) != 0;
    const bool input_click = !caption_click && take(input.overlay_click) != 0;
    if (caption_click || (input_click && p.geometry.panel_shown == 0)) {
        t.toggle_request = 1;
        p.host().focus_scroll_bar();
    }
    const bool middle = take(input.overlay_middle) != 0 || take(caption.overlay_middle) != 0;
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
            w.control_panel.place({0, screen.h - 72, screen.w, 72, ZOrder::TopMost, true, false});
            p.host().focus_scroll_bar();
            panel_set_caption(p);
        }
    } else if (p.settings.panel_scan_mode == 1 || p.settings.hide_cursor_maximized == 0 ||
               p.index.table_loaded()) {
        w.caption_overlay.place({0, -20, screen.w, screen.h + 20, ZOrder::TopMost, true, false});
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
    caption.place({0, -20, screen.w, screen.h + 20, ZOrder::Unchanged, true, false});
}

}  // namespace rq

namespace rq {

// Full screen comes with its windows: the input window, the caption strip
// and the panel.
void enter_full_screen(Player& p) {
    (void)p;
}

void leave_full_screen(Player& p) {
    (void)p;
}

void toggle_panel(Player& p) {
    (void)p;
}

}  // namespace rq
