#include "panels/popup_input.h"

#include "core/player.h"
#include "platform/geometry.h"

namespace rq {

namespace {

int take(int& cell) {
    const int v = cell;
    cell = 0;
    return v;
}

void send_notice(OverlayWindow& w, Notice code) {
    if (w.notify) w.notify(static_cast<int>(code));
}

}  // namespace

int overlay_poll(OverlayWindow& w, int kind) {
    switch (kind) {
        case 0:
            return take(w.mailbox.overlay_wheel);
        case 1:
            return take(w.mailbox.overlay_middle);
        case 2:
            return take(w.mailbox.overlay_click);
        default:
            return 0;
    }
}

void overlay_set(OverlayWindow& w, int kind, int value) {
    if (kind == 0)
        w.mailbox.overlay_click_mode = value;
    else if (kind == 1)
        w.move_scroll_bar(value);
}

void overlay_left_down(FullScreenInput& w) {
    if (w.mailbox.overlay_click_mode == 1)
        w.mailbox.overlay_click = 1;
    else
        send_notice(w, Notice::TogglePanel);
}

void overlay_left_down(CaptionOverlay& w) {
    if (w.mailbox.overlay_click_mode == 1) {
        w.mailbox.overlay_click = 1;
    } else {
        w.mailbox.overlay_click = 0;
        send_notice(w, Notice::TogglePanel);
    }
}

void overlay_left_double_click(OverlayWindow& w) {
    if (w.mailbox.overlay_click_mode == 1) send_notice(w, Notice::TogglePanel);
}

void overlay_right_down(OverlayWindow& w) {
    send_notice(w, Notice::LeaveFullScreen);
}

void overlay_middle_down(OverlayWindow& w) {
    w.mailbox.overlay_middle = 1;
}

int scroll_step(ScrollAction action) {
    switch (action) {
        case ScrollAction::LineBack:
        case ScrollAction::PageBack:
        case ScrollAction::ToStart:
            return +1;
        case ScrollAction::LineForward:
        case ScrollAction::PageForward:
        case ScrollAction::ToEnd:
            return -1;
        default:
            return 0;
    }
}

void overlay_scrolled(OverlayWindow& w, ScrollAction action) {
    const int step = scroll_step(action);
    if (step != 0) w.mailbox.overlay_wheel = step;
}

void video_window_moved(VideoWindow& w, Point at) {
    const Point snapped{snap_coordinate(at.x), snap_coordinate(at.y)};
    if (snapped != at) w.video_snapped = 1;
    w.video_pos = snapped;
}

int video_poll(VideoWindow& w, int kind) {
    switch (kind) {
        case 0:
            return w.video_pos.x;
        case 1:
            return w.video_pos.y;
        case 4:
            return take(w.video_snapped);
        default:
            return 0;
    }
}

int caption_x(int length, int width, int height) {
    const int x = (width - ((height - 4) * length) / 2) / 2;
    return x + length >= width ? 0 : x;
}

int caption_length(std::string_view utf8) {
    int cells = 0;
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const size_t n = lead < 0x80    ? 1
                         : lead >= 0xF0 ? 4
                         : lead >= 0xE0 ? 3
                         : lead >= 0xC0 ? 2
                                        : 1;
        char32_t c = n == 1 ? lead : lead & (0x7F >> n);
        for (size_t k = 1; k < n && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        // Half-width katakana took one byte in code page 932.
        cells += c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) ? 1 : 2;
        i += n;
    }
    return cells;
}

void caption_draw(Player& p, int index, int width, int height) {
    CaptionOverlay& caption = p.windows().caption_overlay;
    if (!caption.exists()) return;
    const ListStore& lines = p.stores.timed_text_lines;
    const std::string text = index >= 0 && index < lines.count() ? lines.text(index) : "";
    caption.draw_caption(text, caption_x(caption_length(text), width, height), width, height,
                         height - 4);
}

}  // namespace rq
