#include "skin/text_canvas.h"

#include <cstdio>
#include <cstring>

namespace rq {

int measure_text_end(const SkinSurface& canvas, int row) {
    if (!canvas.loaded() || row < 0 || row + 1 >= canvas.height()) return 1;
    const int width = canvas.width();
    int previous = 0, changes = 0, reads = 0;
    const int max_reads = width < 640 ? width : 640;
    while (reads < max_reads) {
        // The first read is column 0 of the row itself, then row + 1 from
        // its right end leftwards.
        const uint8_t* px =
            reads == 0 ? canvas.row(row) : canvas.row(row + 1) + (width - reads) * 3;
        ++reads;
        if (px[0] != previous) {
            previous = px[0];
            if (++changes == 3) break;
        }
    }
    int end = 640 - reads;
    return end < 1 ? 1 : end > 635 ? 635 : end;
}

void clear_canvas_strip(SkinSurface& canvas, int top) {
    if (!canvas.loaded()) return;
    const size_t bytes = size_t(canvas.width()) * 3;
    for (int y = 0; y < kCanvasStripHeight; ++y) {
        const int dst = top + y;
        if (dst < kCanvasStripHeight || dst >= canvas.height()) continue;
        std::memcpy(canvas.row(dst), canvas.row(y), bytes);
    }
}

int render_canvas_strip(SkinSurface& canvas, TextRenderer& renderer, const CanvasStrip& strip,
                        const std::string& text) {
    clear_canvas_strip(canvas, strip.top);
    renderer.draw_text_line(canvas, text, 0, strip.text_y, strip.text_height);
    if (strip.measure_row < 0) return 0;
    return measure_text_end(canvas, strip.measure_row) - strip.end_trim;
}

FieldFit fit_to_field(int width, int field_width) {
    if (width < field_width) return {(field_width - width) / 2, width};
    return {0, field_width};
}

std::string file_line_text(const std::string& file_name, int length_seconds) {
    if (length_seconds < 0) length_seconds = 0;
    char tail[64];
    std::snprintf(tail, sizeof tail, "  <%d:%02d:%02d> |", length_seconds / 3600,
                  length_seconds / 60 % 60, length_seconds % 60);
    return " " + file_name + tail;
}

std::string title_line_text(const std::string& title, const std::string& artist) {
    return " " + title + " \xEF\xBC\x9A " + artist + "  |";  // " %s ： %s  |"
}

std::string timed_text_line(const std::string& text) {
    return text + " |";
}

}  // namespace rq
