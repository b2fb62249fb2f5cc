// The display line, where the file's line or title scrolls or the current
// timed-text line stands, and the title field that can show the title or
// the timed text in the title bar's colour.

#include <algorithm>
#include <cstring>

#include "media/index_files.h"
#include "skin/face_layout.h"
#include "skin/text_canvas.h"
#include "transport/face_composition.h"
#include "transport/face_parts.h"

namespace rq {

namespace {

// The title moves 4 pixels a paced step, starting after an open.
void title_pace(Player& p) {
    if (p.face.pace_count < 5 || p.stores.path_list.empty()) return;
    GeometryState& g = p.geometry;
    if (g.zoom_display_ticks > 0) g.zoom_display_ticks -= 1;
    MediaState& m = p.media;
    if (m.title_scroll_started == 0) {
        m.title_scroll = -141;
        m.title_scroll_started = 1;
    }
    m.title_scroll += 4;
    p.face.pace_count = 0;
}

struct StripText {
    const CanvasStrip* strip;
    int width;
};

// The canvas line the display field scrolls, by its mode.
StripText display_text(const Player& p) {
    switch (p.index.display_field_mode) {
        case 0:
            return {&kFileStrip, p.media.file_line_width};
        case 2:
            return {&kTimedTextStrip, p.index.timed_text_width};
        default:
            return {&kTitleStrip, p.media.title_line_width};
    }
}

// A new timed-text segment is rendered once, on the pass its countdown
// reaches 1.
void redraw_timed_text(Player& p) {
    IndexState& ix = p.index;
    if (ix.title_redraw == 1 && ix.table_loaded()) render_timed_text_line(p);
    if (ix.title_redraw > 0) ix.title_redraw -= 1;
}

// Composed below the visible face, then copied up: the field's ground from
// the sheet, the text white-keyed into it.
void draw_display_field(Player& p) {
    const SpriteRect field = kDisplayField;
    const int stage_y = kDisplayStagingY;
    copy_sprite(p, {field.x, stage_y}, sprite(SpriteId::DisplayField).rect);
    auto key_text = [&](int text_x, int text_top, int field_x, int width) {
        blits(p).key_white(SurfaceId::TextCanvas, field.x + field_x, stage_y, text_x, text_top,
                           width, field.h);
    };
    IndexState& ix = p.index;
    if (ix.display_field_mode == 2 && ix.timed_text_loaded) {
        // Timed text stands still, centred in the field.
        const FieldFit fit = fit_to_field(ix.timed_text_width, kDisplayFieldWidth);
        const int width = std::min(fit.width, field.w - fit.margin);
        if (width > 0) key_text(0, kTimedTextStrip.top, fit.margin, width);
    } else {
        const StripText text = display_text(p);
        int& s = p.media.title_scroll;
        s = wrap_scroll(s, text.width);
        const ScrollView view = scroll_view(s, text.width);
        for (int i = 0; i < view.count; ++i) {
            const ScrollPiece& piece = view.pieces[i];
            key_text(piece.text_x, text.strip->top, piece.field_x, piece.width);
        }
    }
    blits(p).copy(SurfaceId::FaceBuffer, field.x, field.y, field.x, stage_y, field.w, field.h);
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
void draw_title_field(Player& p) {
    const bool timed = p.index.table_loaded();
    const CanvasStrip& strip = timed ? kTimedTextStrip : kTitleFieldStrip;
    const FieldFit fit = fit_to_field(timed ? p.index.timed_text_width : p.media.title_field_width,
                                      kTitleFieldWidth);
    const SpriteRect ground = sprite(SpriteId::TitleBar).rect;
    const SpriteRect colour = lit(ground);
    const int margin = std::clamp(fit.margin, 0, ground.w);
    if (!p.skin.text_canvas.loaded() || !title_staged(p, strip, margin, ground.w, ground.h)) {
        // Fresh from the sheet: a changed line leaves nothing behind.
        copy_sprite(p, {colour.x, colour.y}, colour);
        copy_sprite(p, {ground.x, ground.y}, ground);
        blits(p).key_black(SurfaceId::TextCanvas, colour.x, colour.y, 0, 0, margin, colour.h);
        blits(p).key_black(SurfaceId::TextCanvas, colour.x + margin, colour.y, 0, strip.top,
                           ground.w - margin, colour.h);
        blits(p).key_white(SurfaceId::FaceBuffer, ground.x, ground.y, colour.x, colour.y, ground.w,
                           ground.h);
    }
    blits(p).copy(SurfaceId::FaceBuffer, kTitleField.x, kTitleField.y, ground.x, ground.y, ground.w,
                  ground.h);
    int& bias = p.face.seek_knob_bias;
    bias = p.input.title_hover ? 5 : std::max(bias - 7, -255);
    const SpriteRect knob = sprite(SpriteId::SeekKnob).rect;
    blits(p).fade(SurfaceId::SkinSheet, kSeekKnobOrigin.x + p.input.seek_knob, kSeekKnobOrigin.y,
                  knob.x, knob.y, knob.w, knob.h, bias);
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

void draw_title_fields(Player& p) {
    if (p.transport.selection_pending > 0) return;
    title_pace(p);
    if (p.index.display_field_mode == 1) show_lit(p, SpriteId::DisplayModeLamp);
    redraw_timed_text(p);
    draw_display_field(p);
    if (p.settings.title_field_mode == 1) draw_title_field(p);
}

}  // namespace rq
