#include "transport/face_pass.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/player.h"
#include "face/face.h"
#include "panels/popup_input.h"
#include "transport/ab_repeat.h"
#include "transport/commands.h"
#include "transport/speed.h"
#include "video/full_screen.h"
#include "video/layout.h"

namespace rq {

namespace {

// The part of FaceBuffer the window shows.
constexpr int kShownWidth = 407;
constexpr int kShownHeight = 93;

// Whether the shown part of the face differs from what was last presented;
// keeps it as presented when it does. An unchanged face is not presented
// again: the window still shows it.
bool face_changed(Player& p) {
    const SkinSurface& face = p.skin.face_buffer;
    if (!face.loaded()) return true;
    const int w = std::min(kShownWidth, face.width()), h = std::min(kShownHeight, face.height());
    const size_t row_bytes = size_t(w) * 3;
    std::vector<uint8_t>& last = p.face.presented;
    bool changed = last.size() != row_bytes * size_t(h);
    if (changed) last.assign(row_bytes * size_t(h), 0);
    for (int y = 0; y < h; ++y) {
        uint8_t* kept = last.data() + row_bytes * size_t(y);
        const uint8_t* row = face.row(y);
        if (!changed && std::memcmp(kept, row, row_bytes) == 0) continue;
        changed = true;
        std::memcpy(kept, row, row_bytes);
    }
    return changed;
}

void count_down_buttons(Player& p) {
    if (p.input.mouse_held) return;
    for (int& timer : p.transport.button_timers)
        timer = std::max(timer - 1, 0);
}

// After entering full screen: once the windows have settled, the caption
// strip goes over the screen and the picture resumes.
void settle_full_screen(Player& p) {
    int& settle = p.geometry.overlay_settle;
    if (settle <= 1) return;
    const int was = settle--;
    CaptionOverlay& caption = p.windows().caption_overlay;
    if (was != 3 || !caption.exists()) return;
    const Size screen = p.geometry.screen_size;
    caption.place({0, -kTitleBarOffset, screen.w + p.geometry.extra_width,
                   screen.h + kTitleBarOffset, ZOrder::TopMost, true, false});
    if (p.device.paused)
        p.send("seek movie to " + std::to_string(p.device.position));
    else
        p.send("play movie");
    p.host().place({.z = ZOrder::Unchanged, .show = true, .activate = true, .move = false});
    p.host().focus_scroll_bar();
    p.timed_text.title_redraw = 3;
}

// The caption of the current timed-text line, redrawn when it changed.
void caption_step(Player& p) {
    TimedTextState& ix = p.timed_text;
    if (p.settings.caption_flag == 0 || ix.title_redraw < 0) return;
    ix.index_segment = std::clamp(ix.index_segment, 0, ix.index_time_count);
    if (ix.title_redraw == 1) {
        const Size screen = p.geometry.screen_size;
        caption_draw(p, ix.index_segment, screen.w, caption_strip_height(screen.h));
    }
    ix.title_redraw = std::max(ix.title_redraw - 1, 0);
}

}  // namespace

void choose_tick_divider(Player& p) {
    int& divider = p.tick.tick_divider;
    if (p.device.speed_index == 0 && p.device.paused == 0 && p.settings.time_display_mode != 0)
        divider = p.settings.keypad_mode == 1 ? 0 : 5;
    else
        divider = p.tick.fullscreen == 0 ? 0 : 5;
    if (p.input.seek_drag != 0 || p.input.volume_drag != 0 || p.transport.dial_mode != 0 ||
        p.settings.badge_gone == 0)
        divider = 0;
}

void compose_face(Player& p) {
    FaceFrame frame;
    face_controls_step(p, frame);
    prepare_speed(p);
    face_readings_step(p, frame);
    draw_face(p, frame, p.face.blits);
    face_after_drawing_step(p, frame);
    p.face.drawn = p.face.blits.run(p.skin) ? 1 : 0;
}

void face_pass(Player& p) {
    compose_face(p);
    if (p.face.drawn && face_changed(p)) p.host().present_face();
    command_pass(p);
    apply_stop_request(p);
    apply_speed(p);
    count_down_buttons(p);
    choose_tick_divider(p);
    restore_after_minimise(p);
}

void full_screen_pass(Player& p) {
    settle_full_screen(p);
    if (p.settings.power_saving_off) keep_awake_step(p, 140);
    caption_step(p);
    command_pass(p);
    apply_stop_request(p);
    apply_speed(p);
}

}  // namespace rq
