#include "face/title.h"

#include <algorithm>
#include <cstring>

#include "face/knob.h"
#include "media/index_files.h"
#include "skin/face_layout.h"
#include "skin/text_canvas.h"

namespace rq {

namespace {

// The title moves 4 pixels a paced step, starting after an open; true when
// it moved.
bool title_pace(Player& p) {
    if (p.face.pace_count < 5 || p.stores.path_list.empty()) return false;
    MediaState& m = p.media;
    if (m.title_scroll_started == 0) {
        m.title_scroll = -141;
        m.title_scroll_started = 1;
    }
    m.title_scroll += 4;
    p.face.pace_count = 0;
    return true;
}

struct StripText {
    const CanvasStrip* strip;
    int width;
};

// The canvas line the display field scrolls, by its mode.
StripText display_text(const Player& p) {
    switch (p.timed_text.display_field_mode) {
        case 0:
            return {&kFileStrip, p.media.file_line_width};
        case 2:
            return {&kTimedTextStrip, p.timed_text.line_width};
        default:
            return {&kTitleStrip, p.media.title_line_width};
    }
}

// Timed text stands still in the field; the other lines scroll.
bool timed_text_stands(const Player& p) {
    return p.timed_text.display_field_mode == 2 && p.timed_text.loaded;
}

// A new timed-text segment is rendered once, on the pass its countdown
// reaches 1.
void redraw_timed_text(Player& p) {
    TimedTextState& ix = p.timed_text;
    if (ix.title_redraw == 1 && ix.table_loaded()) render_timed_text_line(p);
    if (ix.title_redraw > 0) ix.title_redraw -= 1;
}

// Composed below the visible face, then copied up: the field's ground from
// the sheet, the text white-keyed into it.
void draw_display_field(const Player& p, FaceCanvas& c) {
    const SpriteRect field = kDisplayField;
    const int stage_y = kDisplayStagingY;
    c.copy({field.x, stage_y}, sprite(SpriteId::DisplayField).rect);
    auto key_text = [&](int text_x, int text_top, int field_x, int width) {
        c.blits.key_white(SurfaceId::TextCanvas, field.x + field_x, stage_y, text_x, text_top,
                          width, field.h);
    };
    const TimedTextState& ix = p.timed_text;
    if (timed_text_stands(p)) {
        // Timed text stands still, centred in the field.
        const FieldFit fit = fit_to_field(ix.line_width, kDisplayFieldWidth);
        const int width = std::min(fit.width, field.w - fit.margin);
        if (width > 0) key_text(0, kTimedTextStrip.top, fit.margin, width);
    } else {
        const StripText text = display_text(p);
        const ScrollView view = scroll_view(p.media.title_scroll, text.width);
        for (int i = 0; i < view.count; ++i) {
            const ScrollPiece& piece = view.pieces[i];
            key_text(piece.text_x, text.strip->top, piece.field_x, piece.width);
        }
    }
    c.blits.copy(SurfaceId::FaceBuffer, field.x, field.y, field.x, stage_y, field.w, field.h);
}

// The title field's line: the timed text when a table is loaded.
struct TitleLine {
    const CanvasStrip* strip;
    int margin;
};

TitleLine title_line(const Player& p) {
    const bool timed = p.timed_text.table_loaded();
    const FieldFit fit =
        fit_to_field(timed ? p.timed_text.line_width : p.media.title_field_width, kTitleFieldWidth);
    return {timed ? &kTimedTextStrip : &kTitleFieldStrip,
            std::clamp(fit.margin, 0, sprite(SpriteId::TitleBar).rect.w)};
}

// Whether the title field's staged strip was made from these canvas
// bytes, margin and surfaces; records them when it was not.
bool title_staged(Player& p, const CanvasStrip& strip, int margin, int width, int height) {
    FaceState& f = p.face;
    const SkinSurfaces& skin = p.skin;
    const size_t row_bytes = size_t(width - margin) * 3;
    bool same = f.staged_title_margin == margin && f.staged_sheet_loads == skin.skin_sheet.loads &&
                f.staged_face_loads == skin.face_buffer.loads &&
                f.staged_title.size() == row_bytes * size_t(height);
    if (!same) f.staged_title.assign(row_bytes * size_t(height), 0);
    for (int y = 0; y < height; ++y) {
        uint8_t* kept = f.staged_title.data() + row_bytes * size_t(y);
        const uint8_t* row = skin.text_canvas.row(strip.top + y);
        if (same && std::memcmp(kept, row, row_bytes) == 0) continue;
        same = false;
        std::memcpy(kept, row, row_bytes);
    }
    f.staged_title_margin = margin;
    f.staged_sheet_loads = skin.skin_sheet.loads;
    f.staged_face_loads = skin.face_buffer.loads;
    return same;
}

// The title field's own line, centred and coloured by the second face's lit
// title bar: staged below the visible face, black text pixels let that
// colour through a white strip, and the strip's coloured pixels go onto
// the bar's ground, which is then copied onto the field. The seek knob
// fades in over it while the pointer is there.
void draw_title_field(const Player& p, const FaceFrame& f, FaceCanvas& c) {
    const TitleLine line = title_line(p);
    const SpriteRect ground = sprite(SpriteId::TitleBar).rect;
    const SpriteRect colour = lit(ground);
    const int margin = line.margin;
    if (f.title_restage) {
        // Fresh from the sheet: a changed line leaves nothing behind.
        c.copy({colour.x, colour.y}, colour);
        c.copy({ground.x, ground.y}, ground);
        c.blits.key_black(SurfaceId::TextCanvas, colour.x, colour.y, 0, 0, margin, colour.h);
        c.blits.key_black(SurfaceId::TextCanvas, colour.x + margin, colour.y, 0, line.strip->top,
                          ground.w - margin, colour.h);
        c.blits.key_white(SurfaceId::FaceBuffer, ground.x, ground.y, colour.x, colour.y, ground.w,
                          ground.h);
    }
    c.blits.copy(SurfaceId::FaceBuffer, kTitleField.x, kTitleField.y, ground.x, ground.y, ground.w,
                 ground.h);
    Knob::draw_over_title(p, c);
}

}  // namespace

ScrollView scroll_view(int s, int text_width) {
    ScrollView view;
    // A run of text columns placed in the field, cut to the field and to
    // the text.
    auto add = [&](int text_x, int field_x, int width) {
        if (field_x < 0) {
            text_x -= field_x;
            width += field_x;
            field_x = 0;
        }
        width = std::min({width, kScrollFieldWidth - field_x, text_width - text_x});
        if (width > 0 && view.count < 2) view.pieces[view.count++] = {text_x, field_x, width};
    };
    if (s <= 0) {
        add(0, -s, text_width);
    } else {
        add(s, 0, text_width - s);
        const int left = text_width - s;
        if (left < kScrollFieldWidth) add(0, left + kScrollGap, text_width);
    }
    return view;
}

int wrap_scroll(int s, int text_width) {
    return s >= text_width ? -kScrollGap : s;
}

void Title::display_line_press(Player& p) {
    int& mode = p.timed_text.display_field_mode;
    if (mode == 0)
        mode = 1;
    else if (mode == 1 && p.timed_text.index_time_count >= 1)
        mode = 2;
    else
        mode = 0;
    p.media.title_scroll = -144;
}

void Title::title_field_press(Player& p) {
    p.settings.title_field_mode = p.settings.title_field_mode ? 0 : 1;
}

void Title::hover(Player& p, Point pt) {
    p.input.title_hover = on(Hit::TitleField, pt) ? 1 : 0;
}

void Title::step(Player& p, FaceFrame& f) {
    if (p.transport.selection_pending > 0) return;
    f.title_paced = title_pace(p);
    redraw_timed_text(p);
    if (!timed_text_stands(p)) {
        int& s = p.media.title_scroll;
        s = wrap_scroll(s, display_text(p).width);
    }
    if (p.settings.title_field_mode != 1) return;
    const TitleLine line = title_line(p);
    const SpriteRect ground = sprite(SpriteId::TitleBar).rect;
    f.title_restage = !p.skin.text_canvas.loaded() ||
                      !title_staged(p, *line.strip, line.margin, ground.w, ground.h);
    Knob::fade_over_title_step(p);
}

void Title::after_drawing(Player& p, const FaceFrame& f) {
    int& ticks = p.geometry.zoom_display_ticks;
    if (f.title_paced && ticks > 0) ticks -= 1;
}

void Title::draw(const Player& p, const FaceFrame& f, FaceCanvas& c) {
    if (p.transport.selection_pending > 0) return;
    if (p.timed_text.display_field_mode == 1) c.show_lit(SpriteId::DisplayModeLamp);
    draw_display_field(p, c);
    if (p.settings.title_field_mode == 1) draw_title_field(p, f, c);
}

}  // namespace rq
